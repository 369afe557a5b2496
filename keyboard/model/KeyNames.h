#pragma once

#include <array>
#include <cstdint>
#include <string>

// Names of the 256 key-map codes (HID usages and the keyboard's own codes) and
// of the 256 virtual-key codes; "Undefined" where a code has no name.
const std::array<const char*, 256>& HidKeyNames();
const std::array<const char*, 256>& VkKeyNames();

// The HID usage of a virtual-key code and back; 0 where there is none.
std::uint8_t VirtualKeyToUsage(std::uint8_t virtualKey);
std::uint8_t UsageToVirtualKey(std::uint8_t usage);

// Modifier bits of a key combination.
inline constexpr std::uint8_t kModifierCtrl = 0x01;
inline constexpr std::uint8_t kModifierShift = 0x02;
inline constexpr std::uint8_t kModifierAlt = 0x04;
inline constexpr std::uint8_t kModifierWin = 0x08;

// "Ctrl+Shift+A": the held modifiers in a fixed order, then the key's name,
// without a trailing "+".
std::string CombinationText(std::uint8_t modifiers, const std::string& keyName);
