#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ui/Types.h"

namespace scenario {

// The values a scenario line's words hold; nullopt for a word that is not one.

// Decimal, or hexadecimal after "0x".
std::optional<unsigned long> parseNumber(const std::string& word);
std::optional<int> parseSigned(const std::string& word);
// "x,y" in client coordinates.
std::optional<ui::Point> parsePoint(const std::string& word);

// "2046", or "2005#3" for the third control that carries id 2005.
struct ControlTarget {
    ui::UINT id = 0;
    int occurrence = 0;  // 0: the first visible one
};
std::optional<ControlTarget> parseControlTarget(const std::string& word);

// A virtual-key code: a number, a letter or digit, or a name such as ENTER,
// ESC, SPACE, TAB, BACK, SHIFT, CTRL, ALT, LWIN, LEFT, UP, RIGHT, DOWN,
// DELETE, F1..F12.
std::optional<std::uint8_t> parseVirtualKey(const std::string& word);

// OK, CANCEL, YES or NO as a dialog result.
std::optional<int> parseAnswer(const std::string& word);

}  // namespace scenario
