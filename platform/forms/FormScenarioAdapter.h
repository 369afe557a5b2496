#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/scenario/ProgramAdapter.h"

namespace forms {

// What every program built of forms tells the scenario runner the same way:
// its main form (the application's) is the main window, targets that are
// names reach components (click EQResetImage), `menu "CAPTION"` finds the
// item shown so in the forms' popup menus, `dump window` lists the forms with
// their components, and the tray icon is the main form's. A program derives
// from it and adds its own verbs and state parts.
class FormScenarioAdapter : public scenario::ProgramAdapter {
public:
    bool isMainWindow(ui::Window& window) override;
    // Components have names, not ids: a form offers no controls by id.
    std::vector<scenario::Control> controls(ui::Window& window) override;
    std::optional<scenario::NamedControl> namedControl(const std::string& name, std::string& whyNot) override;
    std::optional<ui::UINT> menuCommand(const std::string& caption) override;
    std::string dumpMainWindow(ui::Window& window) override;
    ui::UINT trayIconId() const override;
};

}  // namespace forms
