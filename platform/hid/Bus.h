#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/hid/Device.h"
#include "platform/hid/DeviceChange.h"
#include "platform/hid/DeviceInterface.h"

namespace hid {

// Where device interfaces come from: the real hidraw devices, or a simulated
// bus that tests and the demo plug emulated devices into.
class Bus {
public:
    virtual ~Bus() = default;

    // The present device interfaces, one per top-level collection, in a stable
    // order; the position in this list is the interface's member index.
    virtual std::vector<DeviceInterface> enumerate() = 0;
    // nullptr when the path names no present interface or it cannot be opened.
    virtual std::unique_ptr<Device> open(const std::string& path) = 0;
    // The first hardware id of every present USB device and interface, as the
    // other platform writes them ("USB\VID_0C76&PID_161F&REV_0100&MI_00").
    virtual std::vector<std::string> hardwareIds() = 0;

    // Arrival and removal notifications; the id given back removes the listener.
    virtual int addListener(DeviceChangeListener listener) = 0;
    virtual void removeListener(int id) = 0;
};

// The bus the programs use: hidraw unless another one is installed. The
// installed bus must outlive its use.
Bus& bus();
void installBus(Bus* bus);  // nullptr restores hidraw

std::vector<DeviceInterface> enumerate();
std::unique_ptr<Device> open(const std::string& path);
std::vector<std::string> hardwareIds();

}  // namespace hid
