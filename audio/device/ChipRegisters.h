#pragma once

#include <array>
#include <cstdint>

#include "audio/device/EqualizerImage.h"
#include "platform/hid/Device.h"

// The chip's 8-bit registers and ten device lines through the register
// reports of the headset's HID interface. Reports are as long as the
// interface announces; byte 0 is the report id 0, bytes 1 to 4 carry the
// request and the rest are zeros.
namespace chip {

inline constexpr std::uint16_t kProcessing = 256;      // bit 2 equalizer, bit 7 3D
inline constexpr std::uint16_t kEqualizerBand0 = 288;  // 288 + 2n low byte, 289 + 2n high nibble
inline constexpr std::uint16_t kEqualizerFlags = 297;  // band 4's high nibble and the four flags
inline constexpr std::uint16_t kThreeD = 394;          // bit 0 FBM, bit 6 3D on
inline constexpr std::uint16_t kThreeDLeft = 395;      // alpha << 4 | beta
inline constexpr std::uint16_t kThreeDRight = 396;
inline constexpr std::uint16_t kThreeDTune1 = 461;
inline constexpr std::uint16_t kThreeDTune2 = 462;
inline constexpr std::uint16_t kMonitorMode = 0x200;
inline constexpr std::uint16_t kMonitorRoute = 0x230;
inline constexpr std::size_t kLineCount = 10;

using Lines = std::array<bool, kLineCount>;

// 0 ok, 1 no output report length, 2 the select failed, 3 the write failed.
int WriteRegister(hid::Device& device, std::uint16_t reg, std::uint8_t value);
// 0 ok, 1 no output report length, 2 the select failed, 3 no input report
// length, 4 the input report failed or was too short to hold the value.
int ReadRegister(hid::Device& device, std::uint16_t reg, std::uint8_t& value);
// 0 ok, 1 no output report length, 2 the report failed.
int EndExchange(hid::Device& device);
// Both need reports longer than 4 bytes. 0 ok, 1 reports too short, 2 the
// request failed, 3 the input report failed or was too short.
int ReadLines(hid::Device& device, Lines& lines);
// 0 ok, 1 reports too short, 2 the report failed.
int WriteLines(hid::Device& device, const Lines& lines);

// Registers 288 to 297 from the image, in increasing order; at the first
// failure 1 + the index of the failing register (1..10), else 0. Register 297
// takes band 4's high nibble and the four flags.
int WriteEqualizer(hid::Device& device, const EqualizerImage& image);
// One band's gain: the low byte, then the high nibble; band 4 keeps the flag
// bits of 297 (read first, only its low nibble replaced). 0 ok; 1 the low
// byte failed, 2 reading 297 failed, 3 the high nibble failed; 4 no such band.
int WriteBandGain(hid::Device& device, std::size_t band, std::uint16_t gain);
// 394 read, bit 0 set from FBM, written back; then 395 and 396. 0 ok; 1 to 4
// the failing step; 5 a parameter above 15 (nothing written).
int Write3D(hid::Device& device, bool fbm, std::uint8_t leftAlpha, std::uint8_t leftBeta,
            std::uint8_t rightAlpha, std::uint8_t rightBeta);

// A nibble equal to 0xA raised to 0xF, each nibble on its own.
std::uint8_t RaiseTuneNibbles(std::uint8_t value);

}  // namespace chip
