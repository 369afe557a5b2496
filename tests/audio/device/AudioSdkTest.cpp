#include "audio/device/audiosdk/AudioSdk.h"

#include <gmock/gmock.h>

#include <condition_variable>
#include <cstring>

#include "SdkFixture.h"
#include "audio/device/audiosdk/AudioCommandPacket.h"
#include "platform/ui/headless/Driver.h"

namespace {

using ::testing::HasSubstr;
using ::testing::MatchesRegex;

TEST(AudioSdkBinding, AMissingLibraryIsSaidInABoxAndGivesOne) {
    ui::headless::Driver driver;
    AudioSdk sdk;
    EXPECT_EQ(Open_DLLQ9_Sonvair16xx(sdk, core::executableFolder(), "libDLLQ9_Missing.so"), 1);
    ASSERT_EQ(driver.messageBoxes().size(), 1u);
    EXPECT_EQ(driver.messageBoxes()[0].caption, "Error");
    EXPECT_THAT(driver.messageBoxes()[0].text, MatchesRegex("error [0-9]+: .*libDLLQ9_Missing\\.so.*"));
}

TEST(AudioSdkBinding, TheFirstMissingEntryPointIsNamedAndGivesItsPlacePlusOne) {
    std::string debug;
    core::setDebugSink([&](std::string_view text) { debug += text; });
    AudioSdk sdk;
    EXPECT_EQ(Open_DLLQ9_Sonvair16xx(sdk, core::executableFolder() + "/sdk-without-check-driver"), 4);
    core::setDebugSink({});
    EXPECT_EQ(debug, "***** DLLQ9_CheckDriver *****\n");
    EXPECT_TRUE(sdk.fnDLLQ9_GetAP_VersionW && sdk.fnDLLQ9_GetDLL_VersionW);
    EXPECT_FALSE(sdk.fnDLLQ9_SetActive_Device);
}

TEST(AudioSdkBinding, TheProgramFolderComesFirst) {
    AudioSdk sdk;
    ASSERT_EQ(Open_DLLQ9_Sonvair16xx(sdk, core::executableFolder()), 0);
    EXPECT_TRUE(sdk.fnDLLQ9_SetRGB_Step && sdk.fnDLLQ9_CheckDriver);
    char16_t version[16] = {};
    EXPECT_EQ(sdk.fnDLLQ9_GetDLL_VersionW(version, 16), 0);
    EXPECT_EQ(std::u16string(version), u"1.0.0.0");
}

class AudioSdkTest : public SdkFixture {
protected:
    void SetUp() override {
        SdkFixture::SetUp();
        Plug();
        ASSERT_EQ(sdk.fnDLLQ9_SetActive_Device(0x0C76, 0x161F), 0);
        headset->log().clear();
    }
};

TEST_F(AudioSdkTest, RegisterAndEepromCallsUseTheRegisterReports) {
    SetRegister(0x200, 0x09);
    std::uint8_t value = 0;
    EXPECT_EQ(sdk.fnDLLQ9_Read_Register_ById(0x200, &value, 0), 0);
    EXPECT_EQ(value, 0x09);
    EXPECT_EQ(sdk.fnDLLQ9_Write_Register_ById(0x230, 0x20, 0), 0);
    EXPECT_EQ(Register(0x230), 0x20);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"select 0x0200", "input", "end of exchange", "select 0x0230",
                                                 "write 0x0230 = 0x20", "end of exchange"}));

    std::uint8_t bytes[8] = {};
    EXPECT_EQ(sdk.fnDLLQ9_Read_I2C_ById(0x50, 141, bytes, 2, 100, 0), 0);
    EXPECT_EQ(bytes[0], 0x01);
    EXPECT_EQ(bytes[1], 0x10);
    EXPECT_EQ(sdk.fnDLLQ9_Read_I2C_ById(0x51, 16 * 2, bytes, 8, 100, 0), 0);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 8),
              (std::vector<std::uint8_t>{0x00, 0x04, 0x40, 0x00, 0x04, 0x40, 0x00, 0xE4}));
    EXPECT_NE(sdk.fnDLLQ9_Read_I2C_ById(0x52, 0, bytes, 1, 100, 0), 0);
    EXPECT_NE(sdk.fnDLLQ9_Read_Register_ById(0x200, &value, 1), 0);
    for (const auto& entry : headset->log().entries()) {
        EXPECT_NE(entry.event, sim::HeadsetEvent::SetFeature) << entry.what;
    }
}

TEST_F(AudioSdkTest, AudioCommandsReachTheChipAndTheReplyFillsThePacket) {
    EXPECT_EQ(AudioCommandPacket::WithValue(4, 0, 1).Send(sdk), 0);
    EXPECT_TRUE(headset->chip().noiseCancellationOn);
    headset->change([](sim::HeadsetChip& chip) { chip.noiseCancellationParameters[8] = 17; });

    AudioCommandPacket read(4, 8);
    EXPECT_EQ(read.Send(sdk), 0);
    EXPECT_EQ(read.Reply(2, 8)[0], 1);  // on, in the first 32 bits of the first block
    EXPECT_EQ(read.Reply(134, 16)[8], 17);
    EXPECT_EQ(read.Reply(280, 16).size(), 6u);

    std::uint8_t effect[10] = {1, 0, 0, 0, 0xF6, 0xFF, 0, 0, 0, 0};  // on, -10
    EXPECT_EQ(AudioCommandPacket::WithData(7, 2, effect).Send(sdk), 0);
    EXPECT_TRUE(headset->chip().voiceEffectOn);
    EXPECT_EQ(headset->chip().voiceEffect, -10);

    std::uint32_t wrongLength = 100;
    EXPECT_NE(sdk.fnDLLQ9_AudioCommand(read.Bytes().data(), &wrongLength), 0);
    EXPECT_NE(AudioCommandPacket::WithValue(9, 0, 1).Send(sdk), 0);
}

TEST_F(AudioSdkTest, SwitchesAndParameterBlocks) {
    std::int32_t on = -1;
    EXPECT_EQ(sdk.fnDLLQ9_ConfigEQ_ById(0), 0);
    EXPECT_EQ(sdk.fnDLLQ9_SetEQ_OnOff_ById(1, 0), 0);
    EXPECT_EQ(sdk.fnDLLQ9_IsEQ_Enable_ById(&on, 0), 0);
    EXPECT_EQ(on, 1);
    EXPECT_EQ(sdk.fnDLLQ9_Config3D_ById(0), 0);
    EXPECT_EQ(sdk.fnDLLQ9_Set3D_OnOff_ById(1, 0), 0);
    EXPECT_EQ(sdk.fnDLLQ9_Set3D_OnOff_ById(0, 0), 0);
    EXPECT_EQ(sdk.fnDLLQ9_Is3D_Enable_ById(&on, 0), 0);
    EXPECT_EQ(on, 0);

    std::uint8_t block[68] = {1};
    block[67] = 0x40;
    EXPECT_EQ(sdk.fnDLLQ9_SetVirtual7ch1_OnOff(1), 0);
    EXPECT_EQ(sdk.fnDLLQ9_SetVirtual7ch1(block), 0);
    EXPECT_EQ(sdk.fnDLLQ9_SetVirtual7ch1_Scalar(2.0f), 0);
    std::uint8_t enc[16] = {};
    enc[8] = 25;
    EXPECT_EQ(sdk.fnDLLQ9_SetEnc_Parameters(enc), 0);

    sim::HeadsetChip chip = headset->chip();
    EXPECT_TRUE(chip.equalizerConfigured && chip.equalizerOn && chip.threeDConfigured && !chip.threeDOn);
    EXPECT_TRUE(chip.surroundOn);
    EXPECT_EQ(chip.surroundBlock[0], 1);
    EXPECT_EQ(chip.surroundBlock[67], 0x40);
    EXPECT_EQ(chip.surroundScalar, 2.0f);
    EXPECT_EQ(chip.noiseCancellationParameters[8], 25);

    headset->failCommand("equalizer state", 1);
    on = -1;
    EXPECT_NE(sdk.fnDLLQ9_IsEQ_Enable_ById(&on, 0), 0);
    EXPECT_EQ(on, -1);
}

TEST_F(AudioSdkTest, CheckDriverFollowsTheDriverExtension) {
    EXPECT_EQ(sdk.fnDLLQ9_CheckDriver(), 0);
    headset->setDriverExtension(false);
    EXPECT_NE(sdk.fnDLLQ9_CheckDriver(), 0);
}

struct Reports {
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<std::vector<std::uint8_t>> seen;
    std::uint32_t vendorId = 0, productId = 0;
};
Reports reports;

std::int32_t OnButtons(std::uint32_t vendorId, std::uint32_t productId, const std::uint8_t* data,
                       std::uint32_t, std::uint32_t) {
    std::lock_guard lock(reports.mutex);
    reports.vendorId = vendorId;
    reports.productId = productId;
    reports.seen.emplace_back(data, data + 5);
    reports.arrived.notify_all();
    return 0;
}

TEST_F(AudioSdkTest, ButtonScanHandsEachReportToTheCallbackUntilStopped) {
    EXPECT_EQ(sdk.fnDLLQ9_ScanButton_ById(0x0C76, 0x161F, OnButtons, 1, 0), 0);
    headset->pressButton(2);
    headset->pressButton(9);
    {
        std::unique_lock lock(reports.mutex);
        ASSERT_TRUE(
            reports.arrived.wait_for(lock, std::chrono::seconds(5), [] { return reports.seen.size() == 2; }));
        EXPECT_EQ(reports.seen[0], (std::vector<std::uint8_t>{0x00, 0x31, 0xFB, 0x03, 0x00}));
        EXPECT_EQ(reports.seen[1], (std::vector<std::uint8_t>{0x00, 0x31, 0xFB, 0x01, 0x00}));
        EXPECT_EQ(reports.vendorId, 0x0C76u);
        EXPECT_EQ(reports.productId, 0x161Fu);
    }
    EXPECT_EQ(sdk.fnDLLQ9_ScanButton_ById(0x0C76, 0x161F, nullptr, 0, 0), 0);
    EXPECT_FALSE(headset->chip().buttonScan);
    headset->releaseButton(2);
    std::lock_guard lock(reports.mutex);
    EXPECT_EQ(reports.seen.size(), 2u);
}

TEST_F(AudioSdkTest, GpioModesAndLevels) {
    std::uint8_t modes[10] = {0, 1, 0, 1, 0, 1, 0, 1, 0, 1};
    EXPECT_EQ(sdk.fnDLLQ9_SetGpioMode_ById(modes, 10, 0), 0);
    EXPECT_EQ(sdk.fnDLLQ9_SetGpioModeEx_ById(9, 0, 0), 0);
    EXPECT_EQ(headset->chip().lineModes, (std::array<std::uint8_t, 10>{0, 1, 0, 1, 0, 1, 0, 1, 0, 0}));
    headset->pressButton(4);
    std::int32_t level = -1;
    EXPECT_EQ(sdk.fnDLLQ9_GetGpioEx_ById(4, &level, 0), 0);
    EXPECT_EQ(level, 0);
    EXPECT_EQ(sdk.fnDLLQ9_GetGpioEx_ById(5, &level, 0), 0);
    EXPECT_EQ(level, 1);
    EXPECT_NE(sdk.fnDLLQ9_GetGpioEx_ById(10, &level, 0), 0);
}

TEST_F(AudioSdkTest, LightingCallsOfTheMasterAndTheSlaveFamily) {
    EXPECT_EQ(sdk.fnDLLQ9_SetRGB_Mode_ById(58, 0, 4, 120, 50, 0), 0);
    EXPECT_EQ(sdk.fnDLLQ9_SetRGB_Color_ById(58, 1, 3, 0xF5, 0x0A, 0xF5, 50, 0), 0);
    EXPECT_EQ(sdk.fnDLLQ9_SetRGB_SingleColor_ById(58, 1, 2, 1, 2, 3, 50, 0), 0);
    EXPECT_EQ(sdk.fnDLLQ9_SetRGB_Step_ById(58, 7, 50, 0), 0);
    EXPECT_EQ(sdk.fnDLLQ9_SetRGB_Brightness(58, 2, 4, 500), 0);
    EXPECT_EQ(sdk.fnDLLQ9_UsbHidSlave_SetRGB_Mode_Ex(0, 5, 200, 500), 0);
    EXPECT_EQ(sdk.fnDLLQ9_UsbHidSlave_SetRGB_Color_Ex(1, 7, 9, 8, 7, 500), 0);
    EXPECT_NE(sdk.fnDLLQ9_SetRGB_Color(58, 1, 8, 0, 0, 0, 500), 0);

    sim::HeadsetChip chip = headset->chip();
    EXPECT_EQ(chip.master.mode, 4);
    EXPECT_EQ(chip.master.speed, 120);
    EXPECT_EQ(chip.master.deviceId, 58);
    EXPECT_EQ(chip.master.palette[3], (sim::Rgb{0xF5, 0x0A, 0xF5}));
    EXPECT_EQ(chip.master.modeColour[2], (sim::Rgb{1, 2, 3}));
    EXPECT_EQ(chip.master.steps, 7);
    EXPECT_EQ(chip.master.brightness[2], 4);
    EXPECT_EQ(chip.master.wait, 500u);
    EXPECT_EQ(chip.slave.mode, 5);
    EXPECT_EQ(chip.slave.speed, 200);
    EXPECT_EQ(chip.slave.palette[7], (sim::Rgb{9, 8, 7}));
}

TEST_F(AudioSdkTest, EveryCallFailsOnceTheHeadsetIsGone) {
    headset->unplugAfter(1);
    std::uint8_t value = 0;
    EXPECT_NE(sdk.fnDLLQ9_Read_Register_ById(256, &value, 0), 0);  // the select goes, the input finds it gone
    EXPECT_FALSE(headset->plugged());
    EXPECT_NE(sdk.fnDLLQ9_SetEQ_OnOff_ById(1, 0), 0);
    EXPECT_NE(AudioCommandPacket::WithValue(4, 0, 0).Send(sdk), 0);
    EXPECT_NE(sdk.fnDLLQ9_SetActive_Device(0x0C76, 0x161F), 0);
}

}  // namespace
