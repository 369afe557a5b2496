#pragma once

#include <cstdint>

// The headset the panel works with, until a device has been found.
struct DeviceIdentity {
    std::uint16_t m_wVendorId = 0x0C76;
    std::uint16_t m_wProductId = 0x161F;

    bool operator==(const DeviceIdentity&) const = default;
};
