#pragma once

#include <cstdint>

namespace hook {

// The Windows virtual-key code of a physical key, from its Linux evdev code;
// 0 for a key that has none. Left and right modifiers keep their own codes
// (0xA0..0xA5), keypad keys keep theirs whatever the Num Lock state, and
// Keypad Enter gives 0x0E, apart from Enter.
std::uint8_t virtualKeyOfEvdev(unsigned evdevCode);

// The same from an X keycode (the evdev code + 8), as X11 and Wayland deliver it.
std::uint8_t virtualKeyOfXKeycode(unsigned xKeycode);

}  // namespace hook
