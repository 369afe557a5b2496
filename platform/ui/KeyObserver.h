#pragma once

#include <functional>

namespace ui {

// A key press or release as a window of the program received it.
struct KeyStroke {
    int virtualKey = 0;  // what the window is told (Shift, Ctrl and Alt without their side)
    bool released = false;
    unsigned nativeKeycode = 0;  // the desktop's X keycode (evdev + 8); 0 where it gives none
    bool autoRepeat = false;     // the desktop repeats a held key
};

// Sees every key press and release that reaches one of the program's windows,
// before the window does (the in-program backend of the keyboard hook).
// Called on the window thread; an empty function removes it.
using KeyObserver = std::function<void(const KeyStroke&)>;
void setKeyObserver(KeyObserver observer);

}  // namespace ui
