#include "sim/headset/EmulatedHeadset.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/core/Clock.h"

namespace {

using namespace std::chrono_literals;

class EmulatedHeadsetTest : public ::testing::Test {
protected:
    EmulatedHeadsetTest() { core::installClock(&clock); }
    ~EmulatedHeadsetTest() override { core::installClock(nullptr); }

    std::unique_ptr<hid::Device> Open() {
        auto interfaces = machine.bus.enumerate();
        return interfaces.empty() ? nullptr : machine.bus.open(interfaces[0].path);
    }
    static std::vector<std::uint8_t> Report(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3,
                                            std::uint8_t b4) {
        std::vector<std::uint8_t> report(33, 0);
        report[1] = b1;
        report[2] = b2;
        report[3] = b3;
        report[4] = b4;
        return report;
    }

    core::VirtualClock clock;
    sim::Machine machine;
    std::shared_ptr<sim::EmulatedHeadset> headset = std::make_shared<sim::EmulatedHeadset>();
};

TEST_F(EmulatedHeadsetTest, PluggingBringsTheInterfaceTheDriverExtensionAndTheCaptureEndpoint) {
    headset->plugInto(machine);
    auto interfaces = machine.bus.enumerate();
    ASSERT_EQ(interfaces.size(), 1u);
    EXPECT_EQ(interfaces[0].path, "hid#VID_0C76&PID_161F&MI_00#sim0");
    EXPECT_EQ(interfaces[0].inputReportLength, 33);
    EXPECT_EQ(interfaces[0].outputReportLength, 33);
    EXPECT_EQ(interfaces[0].featureReportLength, 320);
    EXPECT_EQ(machine.bus.hardwareIds(), std::vector<std::string>{"USB\\VID_0C76&PID_161F&REV_0100&MI_00"});
    EXPECT_TRUE(machine.drivers.published("\\\\.\\Class#SonvairExtension&0C76&161F"));
    ASSERT_EQ(machine.audio.captureDevices().size(), 1u);
    EXPECT_EQ(machine.audio.captureDevices()[0].displayName, "Sonvair Headset");

    headset->unplug();
    EXPECT_TRUE(machine.bus.enumerate().empty());
    EXPECT_FALSE(machine.drivers.published("\\\\.\\Class#SonvairExtension&0C76&161F"));
    EXPECT_TRUE(machine.audio.captureDevices().empty());
    EXPECT_EQ(headset->log().lines(), (std::vector<std::string>{"plug", "unplug"}));
}

TEST_F(EmulatedHeadsetTest, TheEepromBridgeReadsAndWritesBothBusesThroughRegisters) {
    headset->plugInto(machine);
    auto device = Open();
    auto writeRegister = [&](std::uint16_t reg, std::uint8_t value) {
        EXPECT_TRUE(device->write(Report(0x60, reg & 0xFF, reg >> 8, 0x10)));
        EXPECT_TRUE(device->write(Report(0x60, value, 0x01, 0x20)));
    };
    auto readRegister = [&](std::uint16_t reg) {
        EXPECT_TRUE(device->write(Report(0x60, reg & 0xFF, reg >> 8, 0x10)));
        std::vector<std::uint8_t> input(33);
        EXPECT_EQ(device->getInput(input), 33);
        return input[2];
    };
    writeRegister(sim::kI2cAddressRegister, 0x51);
    writeRegister(sim::kI2cOffsetRegister, 55);
    writeRegister(sim::kI2cDataRegister, 0x6B);
    writeRegister(sim::kI2cControlRegister, sim::kI2cWrite);
    EXPECT_EQ(readRegister(sim::kI2cControlRegister), sim::kI2cDone);
    EXPECT_EQ(headset->chip().eeprom[1][55], 0x6B);

    writeRegister(sim::kI2cAddressRegister, 0x50);
    writeRegister(sim::kI2cOffsetRegister, 161);
    writeRegister(sim::kI2cControlRegister, sim::kI2cRead);
    EXPECT_EQ(readRegister(sim::kI2cDataRegister), 0x7B);

    writeRegister(sim::kI2cAddressRegister, 0x57);
    writeRegister(sim::kI2cControlRegister, sim::kI2cRead);
    EXPECT_EQ(readRegister(sim::kI2cControlRegister), sim::kI2cNoAnswer);
    EXPECT_FALSE(device->write(Report(0x60, 0x00, 0x04, 0x10)));  // 0x400: past the register file
}

TEST_F(EmulatedHeadsetTest, ARefusedCommandChangesNothingAndIsLoggedWithItsTime) {
    headset->plugInto(machine);
    auto device = Open();
    headset->log().clear();
    headset->failCommand("write 0x0100", 2);
    ASSERT_TRUE(device->write(Report(0x60, 0x00, 0x01, 0x10)));
    clock.advance(15ms);
    EXPECT_FALSE(device->write(Report(0x60, 0x84, 0x01, 0x20)));
    EXPECT_FALSE(device->write(Report(0x60, 0x84, 0x01, 0x20)));
    EXPECT_TRUE(device->write(Report(0x60, 0x84, 0x01, 0x20)));
    EXPECT_EQ(headset->log().lines(),
              (std::vector<std::string>{"select 0x0100", "!write 0x0100 = 0x84", "!write 0x0100 = 0x84",
                                        "write 0x0100 = 0x84"}));
    auto entries = headset->log().entries();
    EXPECT_EQ(entries[1].time - entries[0].time, core::Duration(15ms));
    EXPECT_EQ(headset->chip().registers[256], 0x84);
}

TEST_F(EmulatedHeadsetTest, UnpluggedAfterSoManyCalls) {
    headset->plugInto(machine);
    auto device = Open();
    headset->unplugAfter(2);
    EXPECT_TRUE(device->write(Report(0x60, 0x00, 0x01, 0x10)));
    EXPECT_TRUE(device->write(Report(0, 0, 0, 0)));
    EXPECT_FALSE(device->write(Report(0, 0, 0, 0)));
    EXPECT_FALSE(headset->plugged());
    EXPECT_TRUE(machine.bus.enumerate().empty());
    EXPECT_FALSE(device->write(Report(0, 0, 0, 0)));
}

TEST_F(EmulatedHeadsetTest, ButtonReportsGoOutOnlyWhileScanningRuns) {
    headset->plugInto(machine);
    auto device = Open();
    headset->pressButton(1);
    headset->change([](sim::HeadsetChip& chip) { chip.buttonScan = true; });
    headset->releaseButton(1);
    headset->setLine(8, 0);
    std::vector<std::uint8_t> report(33);
    ASSERT_EQ(device->read(report), 33);
    EXPECT_EQ(report[1], 0x31);
    EXPECT_EQ(report[2], 0xFF);
    EXPECT_EQ(report[3], 0x03);
    ASSERT_EQ(device->read(report), 33);
    EXPECT_EQ(report[3], 0x02);
    auto lines = headset->log().lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "button report FF 03"), 1);
}

TEST_F(EmulatedHeadsetTest, MicrophoneCallsAreLoggedToo) {
    headset->plugInto(machine);
    headset->captureEndpoint().change([](audio::CaptureState& state) { state.muteRefusals = 1; });
    auto endpoints = machine.audio.activeCaptureEndpoints();
    ASSERT_TRUE(endpoints && endpoints->size() == 1);
    auto& endpoint = *endpoints->front();
    EXPECT_FALSE(endpoint.setMute(true));
    EXPECT_TRUE(endpoint.setMute(true));
    EXPECT_TRUE(endpoint.setMasterVolumeScalar(0.5f));
    EXPECT_EQ(endpoint.volumeSteps()->current, 32u);
    headset->unplug();
    EXPECT_FALSE(endpoint.setAutomaticGain(true));
    EXPECT_EQ(headset->log().lines(),
              (std::vector<std::string>{"plug", "!microphone mute 1", "microphone mute 1",
                                        "microphone volume 0.500000", "microphone volume steps", "unplug",
                                        "!microphone automatic gain 1"}));
}

TEST_F(EmulatedHeadsetTest, TheDumpShowsTheStateByName) {
    headset->change([](sim::HeadsetChip& chip) {
        chip.registers[461] = 0x5F;
        chip.roomEffect = 3;
    });
    std::string dump = headset->dump();
    EXPECT_NE(dump.find("plugged = 0\n"), std::string::npos);
    EXPECT_NE(dump.find("register 461 = 0x5F\n"), std::string::npos);
    EXPECT_NE(dump.find("register 297 = 0xE4\n"), std::string::npos);
    EXPECT_NE(dump.find("roomEffect = 3\n"), std::string::npos);
    EXPECT_NE(dump.find("lines = 1 1 1 1 1 1 1 1 1 1\n"), std::string::npos);
}

}  // namespace

#include "sim/headset/HeadsetVerbs.h"

namespace {

TEST_F(EmulatedHeadsetTest, ScenarioLinesDriveTheHeadset) {
    for (const char* line :
         {"plug", "press 3", "line 9 0", "register 461 = 0xAA", "eeprom 0x51 7 = 0",
          "fail 2 audio command 4/0", "driver extension off", "mic noise", "unplug after 5"}) {
        sim::VerbResult result = sim::runHeadsetVerb(*headset, machine, line);
        EXPECT_TRUE(result.done) << line << ": " << result.text;
    }
    sim::HeadsetChip chip = headset->chip();
    EXPECT_EQ(chip.lineLevels[3], 0);
    EXPECT_EQ(chip.lineLevels[9], 0);
    EXPECT_EQ(chip.registers[461], 0xAA);
    EXPECT_EQ(chip.eeprom[1][7], 0x00);
    EXPECT_FALSE(machine.drivers.published(headset->driverExtensionPath()));
    EXPECT_NE(headset->captureEndpoint().sample(1), headset->captureEndpoint().sample(2));
    EXPECT_NE(sim::runHeadsetVerb(*headset, machine, "dump").text.find("register 461 = 0xAA"),
              std::string::npos);
    EXPECT_TRUE(sim::runHeadsetVerb(*headset, machine, "unplug").done);
    EXPECT_FALSE(headset->plugged());

    for (const char* line :
         {"press 10", "line 1 2", "register 1024 = 1", "eeprom 0x52 0 = 1", "fail x audio", "wiggle", ""}) {
        EXPECT_FALSE(sim::runHeadsetVerb(*headset, machine, line).done) << line;
    }
}

}  // namespace
