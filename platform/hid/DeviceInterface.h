#pragma once

#include <cstdint>
#include <string>

namespace hid {

// One device interface: a top-level collection of a HID device, as the
// enumeration lists it. Report lengths include the report id byte (which is 0
// on devices without numbered reports) and are 0 when the collection has no
// report of that kind.
struct DeviceInterface {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;
};

}  // namespace hid
