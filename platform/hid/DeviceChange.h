#pragma once

#include <functional>
#include <string>

namespace hid {

enum class DeviceChangeKind { Arrival, Removal };

struct DeviceChange {
    DeviceChangeKind kind;
    std::string path;  // the interface's path as the enumeration gives it
};

// Called on the thread that noticed the change (a monitor thread, or the thread
// that plugged a simulated device); receivers post it on to their own thread.
using DeviceChangeListener = std::function<void(const DeviceChange&)>;

}  // namespace hid
