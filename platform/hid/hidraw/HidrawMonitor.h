#pragma once

#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "platform/hid/DeviceChange.h"

struct udev;
struct udev_monitor;

namespace hid {

// Watches hidraw nodes come and go and reports one change per device
// interface. Uses udevd's events when udevd runs, else the kernel's own.
class HidrawMonitor {
public:
    explicit HidrawMonitor(std::function<void(const DeviceChange&)> notify);
    ~HidrawMonitor();
    HidrawMonitor(const HidrawMonitor&) = delete;
    HidrawMonitor& operator=(const HidrawMonitor&) = delete;

    // False when no monitor could be set up (no netlink access, no libudev).
    bool running() const { return monitor_ != nullptr; }

private:
    void run();
    void handleEvent();
    void arrived(const std::string& devnode, const std::string& syspath);
    void removed(const std::string& devnode);

    std::function<void(const DeviceChange&)> notify_;
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    bool kernelEvents_ = false;
    int stopFd_ = -1;
    // Paths reported on arrival, so a removal names the same interfaces.
    std::map<std::string, std::vector<std::string>> pathsByNode_;
    std::thread thread_;
};

}  // namespace hid
