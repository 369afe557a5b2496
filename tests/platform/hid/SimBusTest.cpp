#include "platform/hid/sim/SimBus.h"

#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <thread>

#include "platform/hid/DescriptorFixtures.h"

namespace {

// A device that remembers feature reports per collection and echoes them back.
class EchoDevice : public hid::SimulatedDevice {
public:
    EchoDevice() : SimulatedDevice(0x04F3, 0x1406, kVendorKeyboardDescriptor, 1) {}

    bool onSetFeature(std::size_t collection, std::span<const std::uint8_t> report) override {
        std::lock_guard lock(mutex);
        last[collection].assign(report.begin(), report.end());
        return true;
    }
    int onGetFeature(std::size_t collection, std::span<std::uint8_t> report) override {
        std::lock_guard lock(mutex);
        std::copy(last[collection].begin(), last[collection].end(), report.begin());
        return static_cast<int>(last[collection].size());
    }
    void press(std::uint8_t code) { sendInput(0, {0x01, code, 0x00}); }

    std::mutex mutex;
    std::map<std::size_t, std::vector<std::uint8_t>> last;
};

class SimBusTest : public ::testing::Test {
protected:
    void SetUp() override {
        listenerId = bus.addListener([this](const hid::DeviceChange& change) { seen.push_back(change); });
    }
    hid::SimBus bus;
    std::vector<hid::DeviceChange> seen;
    int listenerId = 0;
};

TEST_F(SimBusTest, PluggingListsOneInterfacePerCollectionInPlugOrder) {
    auto other = std::make_shared<hid::SimulatedDevice>(0x1234, 0x0001, kBootKeyboardDescriptor);
    auto keyboard = std::make_shared<EchoDevice>();
    bus.plug(other);
    bus.plug(keyboard);

    auto interfaces = bus.enumerate();
    ASSERT_EQ(interfaces.size(), 3u);
    EXPECT_EQ(interfaces[0].path, "hid#VID_1234&PID_0001&MI_00#sim0");
    EXPECT_EQ(interfaces[1].path, "hid#VID_04F3&PID_1406&MI_01&Col01#sim1");
    EXPECT_EQ(interfaces[2].path, "hid#VID_04F3&PID_1406&MI_01&Col02#sim1");
    EXPECT_EQ(interfaces[1].usagePage, 0x0A);
    EXPECT_EQ(interfaces[1].inputReportLength, 8);
    EXPECT_EQ(interfaces[2].usagePage, 0x0B);
    EXPECT_EQ(interfaces[2].featureReportLength, 226);

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].kind, hid::DeviceChangeKind::Arrival);
    EXPECT_EQ(seen[2].path, interfaces[2].path);
}

TEST_F(SimBusTest, ReportsReachTheirCollection) {
    auto keyboard = std::make_shared<EchoDevice>();
    bus.plug(keyboard);
    auto events = bus.open(bus.enumerate()[0].path);
    auto commands = bus.open(bus.enumerate()[1].path);
    ASSERT_TRUE(events && commands);

    std::vector<std::uint8_t> report = {0x05, 0x03, 0x01};
    EXPECT_TRUE(commands->setFeature(report));
    std::vector<std::uint8_t> back(3);
    EXPECT_EQ(commands->getFeature(back), 3);
    EXPECT_EQ(back, report);
    EXPECT_FALSE(commands->setFeature(std::vector<std::uint8_t>{0x05}));  // too short, as the kernel says

    keyboard->press(0x05);
    std::vector<std::uint8_t> input(8, 0xFF);
    EXPECT_EQ(events->read(input), 3);
    EXPECT_EQ(input[1], 0x05);
    EXPECT_FALSE(bus.open("hid#VID_04F3&PID_1406&MI_01&Col03#sim0"));
}

TEST_F(SimBusTest, UnplugEndsBlockedReadsFailsHandlesAndNotifies) {
    auto keyboard = std::make_shared<EchoDevice>();
    bus.plug(keyboard);
    auto events = bus.open(bus.enumerate()[0].path);
    auto commands = bus.open(bus.enumerate()[1].path);
    int result = 0;
    std::thread reader([&] {
        std::vector<std::uint8_t> input(8);
        result = events->read(input);
    });
    seen.clear();
    bus.unplug(*keyboard);
    reader.join();
    EXPECT_EQ(result, -1);
    EXPECT_FALSE(commands->setFeature(std::vector<std::uint8_t>{0x05, 0x03, 0x01}));
    EXPECT_TRUE(bus.enumerate().empty());
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].kind, hid::DeviceChangeKind::Removal);

    bus.removeListener(listenerId);
    bus.plug(keyboard);
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(SimBusTest, CloseFromAnotherThreadEndsARead) {
    auto keyboard = std::make_shared<EchoDevice>();
    bus.plug(keyboard);
    auto events = bus.open(bus.enumerate()[0].path);
    int result = 0;
    std::thread reader([&] {
        std::vector<std::uint8_t> input(8);
        result = events->read(input);
    });
    events->close();
    reader.join();
    EXPECT_EQ(result, -1);
}

}  // namespace
