#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/hid/Bus.h"
#include "platform/hid/ListenerList.h"
#include "platform/hid/sim/SimulatedDevice.h"

namespace hid {

class SimHandleState;

// A bus of emulated devices. Interfaces are listed in plug order, so a test
// chooses a device's member index by what it plugs before it. Plugging and
// unplugging notify the listeners on the calling thread, one change per
// interface, as the real monitor does.
class SimBus final : public Bus {
public:
    SimBus();
    ~SimBus() override;

    void plug(std::shared_ptr<SimulatedDevice> device);
    // Handles open on the device fail from now on; blocked reads return -1.
    void unplug(const SimulatedDevice& device);

    std::vector<DeviceInterface> enumerate() override;
    std::unique_ptr<Device> open(const std::string& path) override;
    // One id per plugged device, in plug order.
    std::vector<std::string> hardwareIds() override;
    int addListener(DeviceChangeListener listener) override;
    void removeListener(int id) override;

private:
    struct Plugged;
    void deliver(const SimulatedDevice* device, std::size_t collection,
                 const std::vector<std::uint8_t>& report);

    std::mutex mutex_;
    std::vector<std::unique_ptr<Plugged>> plugged_;
    int nextSerial_ = 0;
    ListenerList listeners_;
};

}  // namespace hid
