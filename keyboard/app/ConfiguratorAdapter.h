#pragma once

#include "keyboard/app/EmulatedKeyboardBus.h"
#include "platform/scenario/ProgramAdapter.h"
#include "platform/scenario/Script.h"

namespace scenario {
class Runner;
}

class CTarvikDlg;
namespace ui::headless {
class Driver;
}

// What the scenario runner needs to know of the configurator: its main window
// CTarvikDlg, the skinned windows' controls, the attention dialog's texts, the
// state dump, the tray icon, and the emulated keyboard's verbs.
class ConfiguratorAdapter : public scenario::ProgramAdapter {
public:
    ConfiguratorAdapter(EmulatedKeyboardBus& emulated, ui::headless::Driver& driver);

    bool isMainWindow(ui::Window& window) override;
    std::vector<scenario::Control> controls(ui::Window& window) override;
    std::pair<std::string, std::string> describeDialog(ui::Window& dialog) override;
    std::string dumpMainWindow(ui::Window& window) override;
    std::vector<scenario::DumpPart> dumpParts() const override;
    std::string dump(const std::string& part, ui::Window* mainWindow) override;
    bool saveWindowPicture(ui::headless::Driver& driver, ui::Window& window,
                           const std::string& path) override;
    ui::UINT trayIconId() const override;
    void addVerbs(scenario::VerbTable& verbs) override;

private:
    bool keyboardEvent(scenario::Runner& runner, const scenario::Line& line);
    bool waitUntilListening(scenario::Runner& runner);

    EmulatedKeyboardBus& emulated_;
    ui::headless::Driver& driver_;
    CTarvikDlg* window_ = nullptr;
};
