#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Types.h"

namespace ui::headless {
class Driver;
}

// What a scenario runner needs to drive forms: controls found by name,
// clicks and drags on them, menu items by caption, and the forms' state as
// lines. A program's scenario adapter passes its targets and dumps here.
namespace forms {

class TControl;
class TForm;

struct LocatedControl {
    TForm* form = nullptr;
    TControl* control = nullptr;
    ui::Point point;  // the control's centre, in the window's client coordinates
};

// The control of this name on the uppermost shown form that has one; `error`
// says why there is none (no such name, or the control is not shown).
std::optional<LocatedControl> locateControl(const std::string& name, std::string& error);

// Move to the control's centre and click it.
bool clickControl(ui::headless::Driver& driver, const std::string& name, std::string& error);
// Press on the control's centre, move by `offset` in steps of at most 4 pixels, release there.
bool dragControl(ui::headless::Driver& driver, const std::string& name, ui::Point offset, std::string& error);

// The command of the first shown menu item with this caption (compared
// without "&"), in the popup menus of every form; the runner queues it as the
// answer of the next menu.
std::optional<ui::UINT> menuCommandFor(const std::string& caption);

// One line per form, then, for each shown form, one line per component:
//   form AboutForm at=0,0 client=320x200 visible=1 minimized=0 ... caption="About"
//   component AboutForm.WebLabel TLabel at=8,80 size=120x13 visible=1 caption="..."
std::string dumpForms();

}  // namespace forms
