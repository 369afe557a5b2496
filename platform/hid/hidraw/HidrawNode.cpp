#include "platform/hid/hidraw/HidrawNode.h"

#include <libudev.h>

#include <cstdio>
#include <cstdlib>

#include "platform/core/AtomicFile.h"
#include "platform/hid/InterfacePath.h"

namespace hid {

bool parseHidId(const char* text, std::uint16_t& vendorId, std::uint16_t& productId) {
    unsigned bus = 0, vendor = 0, product = 0;
    if (!text || std::sscanf(text, "%x:%x:%x", &bus, &vendor, &product) != 3) {
        return false;
    }
    vendorId = static_cast<std::uint16_t>(vendor);
    productId = static_cast<std::uint16_t>(product);
    return true;
}

namespace {

int usbInterfaceNumber(udev_device* device) {
    udev_device* usbInterface = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_interface");
    const char* number =
        usbInterface ? udev_device_get_sysattr_value(usbInterface, "bInterfaceNumber") : nullptr;
    return number ? static_cast<int>(std::strtol(number, nullptr, 16)) : 0;
}

std::string nodeName(const std::string& devnode) {
    std::size_t slash = devnode.rfind('/');
    return slash == std::string::npos ? devnode : devnode.substr(slash + 1);
}

}  // namespace

std::optional<HidrawNode> describeHidrawNode(udev_device* device) {
    const char* devnode = udev_device_get_devnode(device);
    udev_device* hidParent = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    if (!devnode || !hidParent) {
        return std::nullopt;
    }
    std::uint16_t vendorId = 0, productId = 0;
    if (!parseHidId(udev_device_get_property_value(hidParent, "HID_ID"), vendorId, productId)) {
        return std::nullopt;
    }
    // The sysfs copy of the descriptor is readable without access to the node.
    const char* hidSyspath = udev_device_get_syspath(hidParent);
    auto bytes = core::readWholeFile(std::string(hidSyspath) + "/report_descriptor");
    if (!bytes) {
        return std::nullopt;
    }
    HidrawNode node;
    node.devnode = devnode;
    node.descriptor =
        parseReportDescriptor(std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));

    InterfacePath path{vendorId, productId, usbInterfaceNumber(device)};
    path.node = nodeName(node.devnode);
    path.oneCollection = node.descriptor.collections.size() == 1;
    for (std::size_t i = 0; i < node.descriptor.collections.size(); ++i) {
        const TopLevelCollection& collection = node.descriptor.collections[i];
        path.collection = static_cast<int>(i + 1);
        node.interfaces.push_back(DeviceInterface{
            path.text(), vendorId, productId, collection.usagePage, collection.usage,
            collection.inputReportLength, collection.outputReportLength, collection.featureReportLength});
    }
    return node;
}

}  // namespace hid
