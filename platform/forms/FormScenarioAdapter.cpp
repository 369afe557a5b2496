#include "platform/forms/FormScenarioAdapter.h"

#include "platform/forms/FormScenario.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCTrayIcon.h"
#include "platform/forms/TForm.h"

namespace forms {

bool FormScenarioAdapter::isMainWindow(ui::Window& window) {
    return Application->MainForm() != nullptr && &window == Application->MainForm();
}

std::vector<scenario::Control> FormScenarioAdapter::controls(ui::Window&) {
    return {};
}

std::optional<scenario::NamedControl> FormScenarioAdapter::namedControl(const std::string& name,
                                                                        std::string& whyNot) {
    const std::optional<LocatedControl> located = locateControl(name, whyNot);
    if (!located) {
        return std::nullopt;
    }
    return scenario::NamedControl{located->form, located->point};
}

std::optional<ui::UINT> FormScenarioAdapter::menuCommand(const std::string& caption) {
    return menuCommandFor(caption);
}

std::string FormScenarioAdapter::dumpMainWindow(ui::Window&) {
    return dumpForms();
}

ui::UINT FormScenarioAdapter::trayIconId() const {
    if (TForm* main = Application->MainForm()) {
        for (const auto& component : main->Components()) {
            if (auto* tray = dynamic_cast<const TCTrayIcon*>(component.get())) {
                return tray->IconId();
            }
        }
    }
    return 0;
}

}  // namespace forms
