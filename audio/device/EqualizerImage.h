#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

// One equalizer preset as the headset's EEPROM and the panel's preset buffer
// keep it: 16 bytes with five 12-bit gains (1024 = flat), four flags, the mode
// byte and the marker flag.
struct EqualizerImage {
    static constexpr std::size_t kSize = 16;
    static constexpr std::uint16_t kFlat = 1024;

    std::array<std::uint16_t, 5> m_wGain{kFlat, kFlat, kFlat, kFlat, kFlat};
    bool m_bFlagA = true;  // in the EEPROM: the equalizer is off
    bool m_bFlagB = true;
    bool m_bFlagC = true;
    bool m_bFlagD = false;  // in the EEPROM: 3D is on
    std::uint8_t m_byMode = 0;
    bool m_bMarker = true;

    // The four flags as bits 4 (D) to 7 (A), where image byte 7 and register 297 keep them.
    std::uint8_t FlagBits() const;
    void SetFlagBits(std::uint8_t byte);

    // Writes the 16 bytes at `offset`; false (nothing written) when they do not fit.
    bool Pack(std::span<std::uint8_t> buffer, std::size_t offset) const;
    // nullopt when the 16 bytes do not fit in the buffer at `offset`.
    static std::optional<EqualizerImage> Unpack(std::span<const std::uint8_t> buffer, std::size_t offset);
};

// The EEPROM bank (0..3) of the stored equalizer image that the headset's
// bank selector byte names: 16 to 19 select banks 0 to 3, anything else bank 0.
// The image of bank b lies at offset 16 * b of its bus.
std::size_t EqualizerBankOf(std::uint8_t selector);
