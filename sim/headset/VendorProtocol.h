#pragma once

#include <cstdint>

// The vendor feature report our SDK stand-in and the emulated headset speak
// for everything that is not a chip register: one unnumbered feature report of
// kVendorReportLength bytes. The host sets it with the call in byte 1 and the
// arguments from byte 2, then gets it back: byte 1 repeats the call, byte 2
// is the status (0 done) and the answer starts at byte 3. Real headsets need
// the maker's own library for these.
namespace sim::vendor {

inline constexpr std::size_t kVendorReportLength = 320;
inline constexpr std::size_t kArguments = 2;
inline constexpr std::size_t kStatus = 2;
inline constexpr std::size_t kAnswer = 3;
inline constexpr std::size_t kCommandPacketLength = 286;

enum Call : std::uint8_t {
    AudioCommand = 0x01,  // the 286-byte packet; answered with the packet
    ConfigEq = 0x02,
    SetEqOnOff = 0x03,   // on
    IsEqEnabled = 0x04,  // -> on
    Config3D = 0x05,
    Set3DOnOff = 0x06,         // on
    Is3DEnabled = 0x07,        // -> on
    SetSurroundOnOff = 0x08,   // on
    SetSurroundScalar = 0x09,  // 32-bit float, little-endian
    SetSurround = 0x0A,        // the 68-byte block
    SetEncParameters = 0x0B,   // the 16-byte block
    ScanButtons = 0x0C,        // 1 start, 0 stop
    SetGpioModes = 0x0D,       // count, then one mode per line
    SetGpioMode = 0x0E,        // line, mode
    GetGpio = 0x0F,            // line -> level
    RgbMode = 0x10,            // family, device id, group, mode, speed, wait (32-bit)
    RgbColour = 0x11,          // family, device id, group, index, red, green, blue, wait
    RgbSingleColour = 0x12,    // family, device id, group, mode, red, green, blue, wait
    RgbStep = 0x13,            // family, device id, steps, wait
    RgbBrightness = 0x14,      // family, device id, LED, brightness, wait
    Attach = 0x15,             // the host takes the headset as its active device
};

enum Family : std::uint8_t { Master = 0, Slave = 1 };

// Input report the headset sends on its own while button scanning runs:
// byte 1 marks it, bytes 2 and 3 carry the ten lines.
inline constexpr std::uint8_t kButtonReportMark = 0x31;

}  // namespace sim::vendor
