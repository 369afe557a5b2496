#include "audio/device/DriverControls.h"

#include "HeadsetFixture.h"

namespace {

class DriverControlsTest : public HeadsetFixture {
protected:
    void SetUp() override { Plug(); }
    std::string path = DriverExtensionPath(0x0C76, 0x161F);
};

TEST_F(DriverControlsTest, TheFourControlsReachTheDriver) {
    headset->change([](sim::HeadsetChip& chip) {
        chip.driverStatus = 7;
        chip.queryValues[3] = 0x12345678;
    });
    std::uint32_t value = 0;
    EXPECT_EQ(driverctl::Status(path, value), 0);
    EXPECT_EQ(value, 7u);
    EXPECT_EQ(driverctl::Query(path, 3, value), 0);
    EXPECT_EQ(value, 0x12345678u);
    EXPECT_EQ(driverctl::SelectRoomEffect(path, 4), 0);
    EXPECT_EQ(driverctl::EffectProcessing(path, 1), 0);
    EXPECT_EQ(headset->chip().roomEffect, 4u);
    EXPECT_EQ(headset->chip().effectProcessing, 1u);

    auto entries = headset->log().entries();
    ASSERT_GE(entries.size(), 2u);
    const auto& query = entries[entries.size() - 3];
    EXPECT_EQ(query.event, sim::HeadsetEvent::Control);
    // code, then 16-bit 1, 16-bit selector, 32-bit value
    EXPECT_EQ(query.bytes, (std::vector<std::uint8_t>{0x28, 0x30, 0x22, 0x00, 1, 0, 3, 0, 7, 0, 0, 0}));
}

TEST_F(DriverControlsTest, ResultsOfEachFailure) {
    std::uint32_t value = 99;
    EXPECT_EQ(driverctl::Query(path, 42, value), 3);  // the driver returns no bytes
    EXPECT_EQ(value, 99u);
    EXPECT_EQ(driverctl::SelectRoomEffect(path, 5), 2);
    headset->failCommand("status", 1);
    EXPECT_EQ(driverctl::Status(path, value), 2);

    headset->setDriverExtension(false);
    EXPECT_EQ(driverctl::Status(path, value), 1);
    EXPECT_EQ(driverctl::Query(path, 0, value), 1);
    EXPECT_EQ(driverctl::SelectRoomEffect(path, 0), 1);
    EXPECT_EQ(driverctl::EffectProcessing(path, 1), 1);
}

}  // namespace
