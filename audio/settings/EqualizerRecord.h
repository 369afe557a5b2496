#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

constexpr std::size_t kEqBands = 5;  // 60, 300, 1200, 3600, 12000 Hz
constexpr std::uint16_t kFlatGain = 1024;
constexpr std::size_t kEqualizerImageBytes = 16;

// One equalizer setting: what a preset holds, in the headset's EEPROM and in
// the panel's preset buffer alike. Gains are 12-bit chip values.
struct EqualizerRecord {
    std::array<std::uint16_t, kEqBands> m_wEQValue{kFlatGain, kFlatGain, kFlatGain, kFlatGain, kFlatGain};
    bool m_bFlagA = true;
    bool m_bFlagB = true;
    bool m_bFlagC = true;
    bool m_bFlagD = false;
    std::uint8_t m_byMode = 0;
    bool m_bMarker = true;

    bool operator==(const EqualizerRecord&) const = default;
};

// The 16-byte image of a record at `offset` of `buffer`: five 12-bit gains in
// 7.5 bytes, the four flags in the high nibble of byte 7, zeros, then the mode
// byte twice with the marker in bit 7 of the second. Only 12 bits of each gain
// fit; higher bits are dropped.
void PackEqualizerImage(const EqualizerRecord& record, std::span<std::uint8_t> buffer, std::size_t offset);
EqualizerRecord UnpackEqualizerImage(std::span<const std::uint8_t> buffer, std::size_t offset);
