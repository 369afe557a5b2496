#pragma once

#include <array>
#include <cstdint>

// One byte per key position: a HID keyboard usage, a keyboard function code
// (0xA0..0xB1), a mouse function (0xD0..0xD6) or a key-own code.
using KeyMapCode = std::uint8_t;

inline constexpr int kKeyMapSize = 160;

// The codes of one profile, indexed by the keyboard's own key-matrix number.
using KeyMap = std::array<KeyMapCode, kKeyMapSize>;

// What a new or reset profile holds.
const KeyMap& DefaultKeyMap();
