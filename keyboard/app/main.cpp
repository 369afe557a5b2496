// quelda-keyboard: the keyboard configurator.
//
//   quelda-keyboard [--simulate] [--headless] [--script FILE] [--program-folder DIR]
//
// --simulate        use the emulated keyboard, attached at start, instead of real devices
// --headless        no windows on the desktop (with --script: a scripted run)
// --script FILE     run the scenario FILE headless; the exit code tells whether it held
// --program-folder  where config/ lives (also QUELDA_KEYBOARD_HOME)
#include <memory>

#include "keyboard/app/CTarvikApp.h"
#include "keyboard/app/ConfiguratorAdapter.h"
#include "keyboard/app/EmulatedKeyboardBus.h"
#include "platform/core/TerminationSignals.h"
#include "platform/scenario/ProgramOptions.h"
#include "platform/ui/Session.h"
#include "platform/ui/headless/Driver.h"

namespace {

int RunScripted(const scenario::ProgramOptions& options, CTarvikApp& app) {
    ui::headless::Driver driver;
    EmulatedKeyboardBus emulated;
    if (options.simulate) {
        emulated.Attach();
    }
    ConfiguratorAdapter adapter(emulated, driver);
    return scenario::runScriptFile(options.script, adapter, driver, [&app] { app.InitInstance(); });
}

int RunInteractive(const scenario::ProgramOptions& options, CTarvikApp& app) {
    ui::Session session(options.headless ? ui::Backend::headless : ui::backendFromEnvironment());
    std::unique_ptr<EmulatedKeyboardBus> emulated;
    if (options.simulate) {
        emulated = std::make_unique<EmulatedKeyboardBus>();
        emulated->Attach();
    }
    app.InitInstance();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    auto options = scenario::parseProgramOptions(argc, argv, "quelda-keyboard");
    if (!options) {
        return 2;
    }
    scenario::useProgramFolder(*options);
    CTarvikApp app;
    // A logout, kill or Ctrl+C closes the window, so the keyboard still hears
    // that the configurator is gone and the tray icon goes with it.
    core::TerminationSignals signals([&app](int signal) { app.RequestEnd(signal); });
    return options->script.empty() ? RunInteractive(*options, app) : RunScripted(*options, app);
}
