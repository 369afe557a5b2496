#pragma once

#include <functional>

namespace ui {

// Sees every key press and release that reaches one of the program's windows,
// before the window does (the in-program backend of the keyboard hook).
// Called on the window thread; an empty function removes it.
using KeyObserver = std::function<void(int virtualKey, bool released)>;
void setKeyObserver(KeyObserver observer);

}  // namespace ui
