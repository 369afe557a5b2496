#include "platform/hid/hidraw/HidrawMonitor.h"

#include <fcntl.h>
#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/core/Clock.h"
#include "platform/core/DebugOutput.h"
#include "platform/hid/hidraw/HidrawNode.h"

namespace hid {

namespace {

// Without udevd a kernel "add" can come before the node exists or has its
// permissions; give it this long to become openable.
constexpr auto kNodeWait = std::chrono::milliseconds(1000);
constexpr auto kNodeRetry = std::chrono::milliseconds(50);

bool udevdRunning() {
    return ::access("/run/udev/control", F_OK) == 0;
}

void waitUntilOpenable(const std::string& devnode) {
    for (auto waited = core::Duration::zero(); waited < kNodeWait; waited += kNodeRetry) {
        int fd = ::open(devnode.c_str(), O_RDWR | O_CLOEXEC);
        if (fd >= 0) {
            ::close(fd);
            return;
        }
        core::systemClock().sleep(kNodeRetry);
    }
}

}  // namespace

HidrawMonitor::HidrawMonitor(std::function<void(const DeviceChange&)> notify) : notify_(std::move(notify)) {
    udev_ = udev_new();
    kernelEvents_ = !udevdRunning();
    if (udev_) {
        monitor_ = udev_monitor_new_from_netlink(udev_, kernelEvents_ ? "kernel" : "udev");
    }
    if (monitor_ && (udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
                     udev_monitor_enable_receiving(monitor_) < 0)) {
        udev_monitor_unref(monitor_);
        monitor_ = nullptr;
    }
    stopFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (!monitor_ || stopFd_ < 0) {
        if (monitor_) {
            udev_monitor_unref(monitor_);
            monitor_ = nullptr;
        }
        return;
    }
    thread_ = std::thread([this] { run(); });
}

HidrawMonitor::~HidrawMonitor() {
    if (thread_.joinable()) {
        std::uint64_t one = 1;
        [[maybe_unused]] ssize_t ignored = ::write(stopFd_, &one, sizeof one);
        thread_.join();
    }
    if (stopFd_ >= 0) {
        ::close(stopFd_);
    }
    if (monitor_) {
        udev_monitor_unref(monitor_);
    }
    if (udev_) {
        udev_unref(udev_);
    }
}

void HidrawMonitor::run() {
    int monitorFd = udev_monitor_get_fd(monitor_);
    for (;;) {
        pollfd fds[2] = {{monitorFd, POLLIN, 0}, {stopFd_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[1].revents) {
            return;
        }
        if (fds[0].revents & POLLIN) {
            handleEvent();
        }
    }
}

void HidrawMonitor::handleEvent() {
    udev_device* device = udev_monitor_receive_device(monitor_);
    if (!device) {
        return;
    }
    const char* action = udev_device_get_action(device);
    const char* devnode = udev_device_get_devnode(device);
    const char* syspath = udev_device_get_syspath(device);
    if (action && devnode && syspath) {
        if (std::strcmp(action, "add") == 0) {
            arrived(devnode, syspath);
        } else if (std::strcmp(action, "remove") == 0) {
            removed(devnode);
        }
    }
    udev_device_unref(device);
}

void HidrawMonitor::arrived(const std::string& devnode, const std::string& syspath) {
    if (kernelEvents_) {
        waitUntilOpenable(devnode);
    }
    // The event's own device lacks the parents' properties; read it anew.
    udev_device* device = udev_device_new_from_syspath(udev_, syspath.c_str());
    if (!device) {
        return;
    }
    auto node = describeHidrawNode(device);
    udev_device_unref(device);
    if (!node) {
        return;
    }
    std::vector<std::string>& paths = pathsByNode_[devnode];
    paths.clear();
    for (const DeviceInterface& interface : node->interfaces) {
        paths.push_back(interface.path);
        notify_(DeviceChange{DeviceChangeKind::Arrival, interface.path});
    }
}

void HidrawMonitor::removed(const std::string& devnode) {
    auto known = pathsByNode_.find(devnode);
    if (known == pathsByNode_.end()) {
        notify_(DeviceChange{DeviceChangeKind::Removal, devnode});
        return;
    }
    for (const std::string& path : known->second) {
        notify_(DeviceChange{DeviceChangeKind::Removal, path});
    }
    pathsByNode_.erase(known);
}

}  // namespace hid
