#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// The keyboard's compact macro format: pairs of (type, value). Types 1..3 are
// pauses of value × 64, 128 or 256 ms; 4 and above are key events (the HID
// usage) whose value holds the release bit 0x80 and, in bits 0..6, a pause
// before the event in 8 ms units. Type 0 is read as such a pause alone.
struct MacroPair {
    std::uint8_t type = 0;
    std::uint8_t value = 0;
    bool operator==(const MacroPair&) const = default;
};

// A macro action as the model keeps it: a key (virtual-key code, 0x80 when
// released) or a delay (3, then the delay in milliseconds over bytes 1..3).
using MacroActionBytes = std::array<std::uint8_t, 4>;
using KeyCodeConverter = std::function<std::uint8_t(std::uint8_t)>;

inline constexpr std::size_t kMaxMacroActions = 200;

// Actions to pairs; a delay's remainder under 8 ms units rides on the next key,
// a delay after the last key is dropped.
std::vector<MacroPair> ActionsToPairs(std::span<const MacroActionBytes> actions,
                                      const KeyCodeConverter& vkToUsage);

// Pairs to actions: pauses add up before each key; pauses after the last key
// are dropped; at most 200 actions.
std::vector<MacroActionBytes> PairsToActions(std::span<const MacroPair> pairs,
                                             const KeyCodeConverter& usageToVk);
