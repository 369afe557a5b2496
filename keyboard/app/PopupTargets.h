#pragma once

#include <string>
#include <vector>

#include "platform/ui/Types.h"

class CSelectorPopup;
namespace ui::headless {
class Driver;
}

// The popup selectors a scripted run can see and point at, whoever opened them.

// The open popups, bottom to top.
std::vector<CSelectorPopup*> OpenPopups(const ui::headless::Driver& driver);

// One line per open popup and one per item of it:
//   popup CComboPopup kind=0 at=430,402 client=330,232 size=169x134 control=2078 notify=1027
//   popup CComboPopup item="Multimedia" value=2 hot=1 separator=0 submenu=1
std::string DumpPopups(const ui::headless::Driver& driver);

// Points at the first item with this text in the open popups, the topmost
// first (a menu is reached beneath the list it opened): "hover",
// "press", "release" or "click" it. Empty when done, else what went wrong.
std::string ActOnPopupItem(ui::headless::Driver& driver, const std::string& action, const std::string& text);

// The main window with every popup over it, in one picture.
bool SaveWindowWithPopups(const ui::headless::Driver& driver, const ui::Rect& windowRect,
                          const std::string& path);
