#include "platform/hid/hidraw/HidrawBus.h"

#include <libudev.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/core/DebugOutput.h"
#include "platform/hid/hidraw/HidrawDevice.h"
#include "platform/hid/hidraw/HidrawMonitor.h"
#include "platform/hid/hidraw/HidrawNode.h"

namespace hid {

namespace {

// Node number of "/dev/hidrawN", so the enumeration order follows the nodes.
long nodeNumber(const std::string& devnode) {
    std::size_t digits = devnode.find_last_not_of("0123456789");
    return std::strtol(devnode.c_str() + (digits == std::string::npos ? 0 : digits + 1), nullptr, 10);
}

unsigned hexAttribute(udev_device* device, const char* name) {
    const char* text = device ? udev_device_get_sysattr_value(device, name) : nullptr;
    return text ? static_cast<unsigned>(std::strtoul(text, nullptr, 16)) : 0;
}

// A USB device is listed as "USB\VID_v&PID_p&REV_r", each of its interfaces
// with "&MI_nn" added, as the other platform names them.
std::string usbHardwareId(udev_device* device) {
    const char* type = udev_device_get_devtype(device);
    bool isInterface = type && std::string_view(type) == "usb_interface";
    udev_device* usb =
        isInterface ? udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device") : device;
    if (!usb || !udev_device_get_sysattr_value(usb, "idVendor")) {
        return {};
    }
    char text[64];
    std::snprintf(text, sizeof text, "USB\\VID_%04X&PID_%04X&REV_%04X", hexAttribute(usb, "idVendor"),
                  hexAttribute(usb, "idProduct"), hexAttribute(usb, "bcdDevice"));
    std::string id = text;
    if (isInterface) {
        std::snprintf(text, sizeof text, "&MI_%02X", hexAttribute(device, "bInterfaceNumber") & 0xFF);
        id += text;
    }
    return id;
}

}  // namespace

HidrawBus::HidrawBus() = default;
HidrawBus::~HidrawBus() = default;

std::vector<DeviceInterface> HidrawBus::enumerate() {
    std::vector<HidrawNode> nodes;
    udev* context = udev_new();
    if (!context) {
        return {};
    }
    udev_enumerate* enumeration = udev_enumerate_new(context);
    if (enumeration && udev_enumerate_add_match_subsystem(enumeration, "hidraw") >= 0 &&
        udev_enumerate_scan_devices(enumeration) >= 0) {
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration)) {
            udev_device* device = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
            if (!device) {
                continue;
            }
            if (auto node = describeHidrawNode(device)) {
                nodes.push_back(std::move(*node));
            }
            udev_device_unref(device);
        }
    }
    if (enumeration) {
        udev_enumerate_unref(enumeration);
    }
    udev_unref(context);

    std::sort(nodes.begin(), nodes.end(), [](const HidrawNode& a, const HidrawNode& b) {
        return nodeNumber(a.devnode) < nodeNumber(b.devnode);
    });
    std::vector<DeviceInterface> interfaces;
    for (const HidrawNode& node : nodes) {
        interfaces.insert(interfaces.end(), node.interfaces.begin(), node.interfaces.end());
    }
    return interfaces;
}

std::unique_ptr<Device> HidrawBus::open(const std::string& path) {
    return HidrawDevice::open(path);
}

std::vector<std::string> HidrawBus::hardwareIds() {
    std::vector<std::string> ids;
    udev* context = udev_new();
    if (!context) {
        return ids;
    }
    udev_enumerate* enumeration = udev_enumerate_new(context);
    if (enumeration && udev_enumerate_add_match_subsystem(enumeration, "usb") >= 0 &&
        udev_enumerate_scan_devices(enumeration) >= 0) {
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration)) {
            if (udev_device* device =
                    udev_device_new_from_syspath(context, udev_list_entry_get_name(entry))) {
                if (std::string id = usbHardwareId(device); !id.empty()) {
                    ids.push_back(std::move(id));
                }
                udev_device_unref(device);
            }
        }
    }
    if (enumeration) {
        udev_enumerate_unref(enumeration);
    }
    udev_unref(context);
    return ids;
}

int HidrawBus::addListener(DeviceChangeListener listener) {
    int id = listeners_.add(std::move(listener));
    std::lock_guard lock(monitorMutex_);
    if (!monitor_ && !saidNoMonitor_) {
        monitor_ = std::make_unique<HidrawMonitor>(
            [this](const DeviceChange& change) { listeners_.notify(change); });
        if (!monitor_->running()) {
            monitor_.reset();
            saidNoMonitor_ = true;
            core::debugOutput("hid: no device monitor available; devices plugged in later are not noticed");
        }
    }
    return id;
}

void HidrawBus::removeListener(int id) {
    listeners_.remove(id);
    // The monitor is kept: stopping and restarting it would lose events between.
}

}  // namespace hid
