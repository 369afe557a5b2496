#include "audio/device/ChipRegisters.h"

#include "HeadsetFixture.h"
#include "audio/device/ChipExchange.h"

namespace {

using namespace chip;

class ChipRegistersTest : public HeadsetFixture {
protected:
    void SetUp() override {
        Plug();
        device = Open();
        ASSERT_TRUE(device);
        headset->log().clear();
    }
    std::vector<std::vector<std::uint8_t>> Reports() const {
        std::vector<std::vector<std::uint8_t>> reports;
        for (const auto& entry : headset->log().entries()) {
            if (entry.event == sim::HeadsetEvent::Write) {
                reports.emplace_back(entry.bytes.begin(), entry.bytes.begin() + 5);
                EXPECT_EQ(entry.bytes.size(), 33u);
            }
        }
        return reports;
    }
    std::unique_ptr<hid::Device> device;
};

TEST_F(ChipRegistersTest, RegisterAndLineReportsByteForByte) {
    EXPECT_EQ(WriteRegister(*device, 297, 0x5A), 0);
    std::uint8_t value = 0;
    EXPECT_EQ(ReadRegister(*device, 297, value), 0);
    EXPECT_EQ(value, 0x5A);
    Lines lines{};
    lines[0] = lines[9] = true;
    EXPECT_EQ(WriteLines(*device, lines), 0);
    EXPECT_EQ(EndExchange(*device), 0);

    std::vector<std::vector<std::uint8_t>> expected = {
        {0x00, 0x60, 0x29, 0x01, 0x10},  // select 297
        {0x00, 0x60, 0x5A, 0x01, 0x20},  // write it
        {0x00, 0x60, 0x29, 0x01, 0x10},  // select it again, then the input report
        {0x00, 0x60, 0x01, 0xFF, 0x3E},  // lines 0 and 9
        {0x00, 0x00, 0x00, 0x00, 0x00},  // end of exchange
    };
    EXPECT_EQ(Reports(), expected);
    EXPECT_EQ(headset->chip().lineLevels, (std::array<std::uint8_t, 10>{1, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
}

TEST_F(ChipRegistersTest, ReadLinesSeesAPressedButton) {
    headset->pressButton(3);
    headset->pressButton(8);
    Lines lines{};
    ASSERT_EQ(ReadLines(*device, lines), 0);
    Lines expected{};
    expected.fill(true);
    expected[3] = expected[8] = false;
    EXPECT_EQ(lines, expected);
}

TEST_F(ChipRegistersTest, WithoutOutputReportsEveryOperationFailsWithOneAndChangesNothing) {
    device.reset();
    headset->unplug();
    sim::HeadsetModel model;
    model.outputReports = false;
    Plug(model);
    device = Open();
    ASSERT_TRUE(device);
    ASSERT_EQ(device->info().outputReportLength, 0);
    sim::HeadsetChip before = headset->chip();

    std::uint8_t value = 0;
    Lines lines{};
    EXPECT_EQ(WriteRegister(*device, 256, 1), 1);
    EXPECT_EQ(ReadRegister(*device, 256, value), 1);
    EXPECT_EQ(EndExchange(*device), 1);
    EXPECT_EQ(ReadLines(*device, lines), 1);
    EXPECT_EQ(WriteLines(*device, lines), 1);
    EXPECT_EQ(WriteEqualizer(*device, EqualizerImage{}), 1);
    EXPECT_EQ(WriteBandGain(*device, 4, 0x9FF), 1);
    EXPECT_EQ(Write3D(*device, true, 1, 2, 3, 4), 1);
    EXPECT_EQ(headset->chip().registers, before.registers);
    EXPECT_EQ(headset->chip().lineLevels, before.lineLevels);
}

TEST_F(ChipRegistersTest, A12000HzWriteKeepsTheFlagBitsOf297TheWholeEqualizerSetsThem) {
    SetRegister(297, 0xE4);
    EXPECT_EQ(WriteBandGain(*device, 4, 0x9FF), 0);
    EXPECT_EQ(Register(296), 0xFF);
    EXPECT_EQ(Register(297), 0xE9);

    EXPECT_EQ(WriteBandGain(*device, 1, 0x200), 0);
    EXPECT_EQ(Register(290), 0x00);
    EXPECT_EQ(Register(291), 0x02);  // the other bands write the nibble as the whole value

    EqualizerImage image;
    image.m_wGain = {0x123, 0x456, 0x789, 0xABC, 0x9FF};
    image.m_bFlagA = image.m_bFlagB = image.m_bFlagC = false;
    image.m_bFlagD = true;
    EXPECT_EQ(WriteEqualizer(*device, image), 0);
    std::array<std::uint8_t, 10> expected = {0x23, 0x01, 0x56, 0x04, 0x89, 0x07, 0xBC, 0x0A, 0xFF, 0x19};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(Register(static_cast<std::uint16_t>(288 + i)), expected[i]) << "register " << 288 + i;
    }
}

TEST_F(ChipRegistersTest, TheEqualizerWriteStopsAtTheFirstFailingRegister) {
    struct Case {
        const char* fault;
        int result;
    };
    for (Case c : {Case{"select 0x0120", 1}, Case{"write 0x0123", 4}, Case{"select 0x0129", 10}}) {
        SetRegister(297, 0x00);
        headset->failCommand(c.fault, 1);
        EqualizerImage image;
        image.m_wGain.fill(0x7FF);
        EXPECT_EQ(WriteEqualizer(*device, image), c.result) << c.fault;
        EXPECT_EQ(Register(297), 0x00) << c.fault;  // nothing after the failure
    }
}

TEST_F(ChipRegistersTest, Write3DSetsFbmAndTheParameters) {
    SetRegister(394, 0x40);
    EXPECT_EQ(Write3D(*device, true, 10, 3, 4, 15), 0);
    EXPECT_EQ(Register(394), 0x41);
    EXPECT_EQ(Register(395), 0xA3);
    EXPECT_EQ(Register(396), 0x4F);
    EXPECT_EQ(Write3D(*device, false, 10, 3, 4, 15), 0);
    EXPECT_EQ(Register(394), 0x40);

    EXPECT_EQ(Write3D(*device, true, 16, 0, 0, 0), 5);
    EXPECT_EQ(Register(395), 0xA3);
    headset->failCommand("write 0x018A", 1);
    EXPECT_EQ(Write3D(*device, true, 1, 1, 1, 1), 2);
}

TEST_F(ChipRegistersTest, AFailedOrEmptyInputReportFailsTheRead) {
    std::uint8_t value = 0x77;
    headset->failCommand("input", 1);
    EXPECT_EQ(ReadRegister(*device, 256, value), 4);
    EXPECT_EQ(value, 0x77);
    headset->failCommand("select", 1);
    EXPECT_EQ(ReadRegister(*device, 256, value), 2);
}

TEST(RaiseTuneNibbles, RaisesEachNibbleOfAOnItsOwn) {
    struct Case {
        std::uint8_t in, out;
    };
    for (Case c : {Case{0xAA, 0xFF}, Case{0x5A, 0x5F}, Case{0xA5, 0xF5}, Case{0x55, 0x55}, Case{0xAF, 0xFF},
                   Case{0x0A, 0x0F}}) {
        EXPECT_EQ(RaiseTuneNibbles(c.in), c.out) << int(c.in);
    }
}

class Switch3DTest : public HeadsetFixture {
protected:
    void SetUp() override { Plug(); }
    DeviceIdentity ids;
};

TEST_F(Switch3DTest, SwitchingOnRaisesTheTuneRegistersSwitchingOffLeavesThem) {
    SetRegister(256, 0x04);
    SetRegister(461, 0xAA);
    SetRegister(462, 0x5A);
    EXPECT_EQ(Switch3DProcessing(ids, true), 0);
    EXPECT_EQ(Register(256), 0x84);
    EXPECT_EQ(Register(461), 0xFF);
    EXPECT_EQ(Register(462), 0x5F);
    EXPECT_EQ(headset->log().lines().back(), "end of exchange");

    SetRegister(461, 0xAA);
    EXPECT_EQ(Switch3DProcessing(ids, false), 0);
    EXPECT_EQ(Register(256), 0x04);
    EXPECT_EQ(Register(461), 0xAA);
}

TEST_F(Switch3DTest, EachFailingStepHasItsOwnCodeAndSkipsTheEnd) {
    struct Case {
        const char* fault;
        int result;
    };
    for (Case c : {Case{"input", 2}, Case{"write 0x0100", 3}, Case{"select 0x01CD", 4},
                   Case{"write 0x01CE", 7}, Case{"end of exchange", 8}}) {
        headset->log().clear();
        headset->failCommand(c.fault, 1);
        EXPECT_EQ(Switch3DProcessing(ids, true), c.result) << c.fault;
        if (c.result != 8) {
            EXPECT_NE(headset->log().lines().back(), "end of exchange") << c.fault;
        }
    }
    headset->unplug();
    EXPECT_EQ(Switch3DProcessing(ids, true), ChipExchange::kNoInterface);
}

}  // namespace
