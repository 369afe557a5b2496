#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/hid/DeviceInterface.h"
#include "platform/hid/ReportDescriptor.h"

struct udev_device;

namespace hid {

// What one hidraw node offers: one device interface per top-level collection.
struct HidrawNode {
    std::string devnode;  // "/dev/hidraw3"
    ParsedDescriptor descriptor;
    std::vector<DeviceInterface> interfaces;
};

// Reads a node's identity (HID_ID of the parent hid device, the USB interface
// number) and its report descriptor from sysfs; nullopt when they are missing.
std::optional<HidrawNode> describeHidrawNode(udev_device* device);

// Parses "BBBB:VVVVVVVV:PPPPPPPP" of a HID_ID property.
bool parseHidId(const char* text, std::uint16_t& vendorId, std::uint16_t& productId);

}  // namespace hid
