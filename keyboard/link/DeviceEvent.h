#pragma once

#include <cstdint>

// One input report of the keyboard's event interface: byte 1 is the code,
// byte 2 its value.
struct DeviceEvent {
    std::uint8_t code = 0;
    std::uint8_t value = 0;
};

// Event codes the keyboard sends.
enum DeviceEventCode : std::uint8_t {
    kEventMacroRecorded = 0x01,
    kEventLightSpeed = 0x02,
    kEventWindowsKeyLock = 0x03,
    kEventQuickLaunch = 0x04,
    kEventProfileSwitched = 0x05,
    kEventLightMode = 0x06,
    kEventLightBrightness = 0x07,
    kEventNone = 0x08,
    kEventAllKeysLock = 0x09,
    kEventLightingChanged = 0x0A,
};
