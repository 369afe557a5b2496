#include "platform/hid/hidraw/HidrawBus.h"

#include <gtest/gtest.h>

#include "platform/core/DebugOutput.h"
#include "platform/hid/InterfacePath.h"
#include "platform/hid/hidraw/HidrawMonitor.h"
#include "platform/hid/hidraw/HidrawNode.h"

namespace {

TEST(HidrawBus, OpensNoBogusNode) {
    hid::HidrawBus bus;
    EXPECT_FALSE(bus.open("hid#VID_04F3&PID_1406&MI_00#hidraw999"));
    EXPECT_FALSE(bus.open("hid#VID_04F3&PID_1406&MI_00#../null"));
    EXPECT_FALSE(bus.open("/dev/null"));
}

// Runs on whatever the machine has; build machines usually have no HID device.
TEST(HidrawBus, EnumerationListsParsablePaths) {
    hid::HidrawBus bus;
    const std::vector<hid::DeviceInterface> interfaces = bus.enumerate();
    if (interfaces.empty()) {
        GTEST_SKIP() << "no HID device on this machine: nothing to list";
    }
    for (const hid::DeviceInterface& interface : interfaces) {
        auto path = hid::InterfacePath::parse(interface.path);
        ASSERT_TRUE(path) << interface.path;
        EXPECT_EQ(path->vendorId, interface.vendorId);
        EXPECT_EQ(path->node.rfind("hidraw", 0), 0u);
    }
}

// Said once when the machine gives no device events, never when it does.
TEST(HidrawBus, MissingMonitorIsReportedOnce) {
    const bool monitored = hid::HidrawMonitor([](const hid::DeviceChange&) {}).running();
    int notices = 0;
    core::setDebugSink(
        [&](std::string_view text) { notices += text.find("no device monitor") != std::string_view::npos; });
    {
        hid::HidrawBus bus;
        int first = bus.addListener([](const hid::DeviceChange&) {});
        int second = bus.addListener([](const hid::DeviceChange&) {});
        bus.removeListener(first);
        bus.removeListener(second);
    }
    core::setDebugSink({});
    EXPECT_EQ(notices, monitored ? 0 : 1);
}

TEST(HidrawNode, ParsesHidIdWithSignedLookingNumbers) {
    std::uint16_t vendor = 0, product = 0;
    EXPECT_TRUE(hid::parseHidId("0003:000004F3:00001406", vendor, product));
    EXPECT_EQ(vendor, 0x04F3);
    EXPECT_EQ(product, 0x1406);
    EXPECT_TRUE(hid::parseHidId("0003:0000FFFF:00008001", vendor, product));
    EXPECT_EQ(vendor, 0xFFFF);
    EXPECT_EQ(product, 0x8001);
    EXPECT_FALSE(hid::parseHidId(nullptr, vendor, product));
    EXPECT_FALSE(hid::parseHidId("garbage", vendor, product));
}

}  // namespace
