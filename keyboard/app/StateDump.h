#pragma once

#include <string>

class CDlgBase;
class CTarvikDlg;
namespace ui::headless {
class Driver;
}
namespace sim {
class EmulatedKeyboard;
}

// The configurator's state as plain lines, for scripted runs and for anyone
// who wants to see what the program holds: what the window shows, the files'
// data in memory, what still has to go to the keyboard, and (when one is
// emulated) the keyboard's own memory and the reports it received.
std::string DumpWindow(CTarvikDlg& window, const ui::headless::Driver& driver);
std::string DumpModel(CTarvikDlg& window);
std::string DumpKeyboard(sim::EmulatedKeyboard& keyboard);
// What each open key-map or shortcut dialog would report now, a line each.
std::string DumpDialogChoices(const ui::headless::Driver& driver);
