#pragma once

#include <cstdint>
#include <vector>

#include "platform/ui/WindowHandle.h"

class CKeyboardHook;

// Every key event of every source (the X server, the program's own windows,
// injection) passes through here on its way to the started hooks, so they all
// follow the same rules. Any thread.
namespace hook::detail {

// Whether the source knows that a press repeats a held key.
enum class Repeat { no, yes, unknown };

struct KeyEvent {
    std::uint8_t virtualKey = 0;
    bool released = false;
    Repeat repeat = Repeat::unknown;
    std::uint32_t milliseconds = 0;
};

// Posts message 0x401 to the window of every started hook, unless the event
// only repeats a key that is held: a held key gives one press and one release.
void deliverKey(const KeyEvent& event);

// The started hooks; true when `hook` is the first (or the last one went).
bool addStartedHook(const CKeyboardHook* hook);
bool removeStartedHook(const CKeyboardHook* hook);

}  // namespace hook::detail
