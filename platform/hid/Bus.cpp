#include "platform/hid/Bus.h"

#include <atomic>

#include "platform/hid/hidraw/HidrawBus.h"

namespace hid {

namespace {
std::atomic<Bus*> installed{nullptr};

Bus& hidrawBus() {
    static HidrawBus bus;
    return bus;
}
}  // namespace

Bus& bus() {
    Bus* current = installed.load();
    return current ? *current : hidrawBus();
}

void installBus(Bus* newBus) {
    installed.store(newBus);
}

std::vector<DeviceInterface> enumerate() {
    return bus().enumerate();
}

std::unique_ptr<Device> open(const std::string& path) {
    return bus().open(path);
}

std::vector<std::string> hardwareIds() {
    return bus().hardwareIds();
}

}  // namespace hid
