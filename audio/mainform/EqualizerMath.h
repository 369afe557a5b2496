#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "audio/settings/EqualizerRecord.h"
#include "audio/settings/SkinSettings.h"

// The arithmetic of the equalizer's band sliders. A slider's top moves from
// the travel's top (the highest gain, 0x9FF) down to top + length (the
// lowest, 0x200); the upper half of the travel spans three times the gains of
// the lower half, with flat (0x400) in the middle.
namespace eqmath {

inline constexpr std::uint16_t kLowestGain = 0x200;
inline constexpr std::uint16_t kHighestGain = 0x9FF;

// The top kept within the travel.
int ClampTop(int top, const SliderTravel& travel);
// The gain a slider at `top` stands for (top taken within the travel). A
// travel without length has only the flat gain.
std::uint16_t GainAt(int top, const SliderTravel& travel);
// Where a slider of this gain sits; gains beyond the sliders' range sit at
// the end of the travel.
int TopFor(std::uint16_t gain, const SliderTravel& travel);

// The value label's text: lower-case hexadecimal without prefix.
std::string GainLabel(std::uint16_t gain);

bool IsFlat(const EqualizerRecord& record);

// A gain stored in the headset's EEPROM (12 bits) as the panel's gain.
std::uint16_t GainFromEeprom(std::uint16_t stored);

// The EEPROM of bus 0x51 keeps one equalizer image per bank; the flag byte
// is byte 7 of the bank's image.
inline constexpr std::size_t kEepromImageBytes = 16;
inline constexpr std::size_t kEepromFlagByte = 7;
std::size_t EepromFlagOffset(std::uint8_t bankSelector);

// The five gains of the first eight bytes of an equalizer image.
std::array<std::uint16_t, kEqBands> UnpackGains(const std::array<std::uint8_t, 8>& bytes);

}  // namespace eqmath
