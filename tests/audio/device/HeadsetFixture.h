#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "audio/device/DeviceDiscovery.h"
#include "platform/core/Clock.h"
#include "platform/core/DebugOutput.h"
#include "sim/headset/EmulatedHeadset.h"
#include "sim/headset/Machine.h"

// A machine on a virtual clock with the emulated headset plugged in, and the
// debug output collected.
class HeadsetFixture : public ::testing::Test {
protected:
    HeadsetFixture() {
        core::installClock(&clock);
        core::setDebugSink([this](std::string_view text) { debug.emplace_back(text); });
    }
    ~HeadsetFixture() override {
        core::setDebugSink({});
        core::installClock(nullptr);
    }

    void Plug(sim::HeadsetModel model = {}) {
        headset = std::make_shared<sim::EmulatedHeadset>(std::move(model));
        headset->plugInto(machine);
    }
    std::unique_ptr<hid::Device> Open() { return OpenHidInterface(0x0C76, 0x161F); }
    std::uint8_t Register(std::uint16_t reg) const { return headset->chip().registers[reg]; }
    void SetRegister(std::uint16_t reg, std::uint8_t value) {
        headset->change([&](sim::HeadsetChip& chip) { chip.registers[reg] = value; });
    }

    core::VirtualClock clock;
    sim::Machine machine;
    std::shared_ptr<sim::EmulatedHeadset> headset;
    std::vector<std::string> debug;
};
