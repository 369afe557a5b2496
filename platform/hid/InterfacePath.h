#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace hid {

// The path text of a device interface, shaped like the other platform's so
// that code reading "VID_"/"PID_" out of a path keeps working, e.g.
// "hid#VID_04F3&PID_1406&MI_01&Col02#hidraw3". The collection part is left out
// when the device has a single top-level collection.
struct InterfacePath {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    int interfaceNumber = 0;
    int collection = 1;         // 1-based
    bool oneCollection = true;  // no "&ColNN" part
    std::string node;           // "hidraw3", or the simulated device's name

    std::string text() const;
    static std::optional<InterfacePath> parse(const std::string& text);
};

}  // namespace hid
