// quelda-keyboard: the keyboard configurator.
//
//   quelda-keyboard [--tray] [--simulate] [--headless] [--script FILE] [--program-folder DIR]
//
// --tray            start in the tray: the window stays hidden until the tray icon brings it
// --simulate        use the emulated keyboard, attached at start, instead of real devices
// --headless        no windows on the desktop (with --script: a scripted run)
// --script FILE     run the scenario FILE headless; the exit code tells whether it held
// --program-folder  where config/ lives (also QUELDA_KEYBOARD_HOME)
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "keyboard/app/CTarvikApp.h"
#include "keyboard/app/EmulatedKeyboardBus.h"
#include "keyboard/app/ScenarioRunner.h"
#include "keyboard/app/ScenarioScript.h"
#include "platform/core/TerminationSignals.h"
#include "platform/ui/Session.h"
#include "platform/ui/headless/Driver.h"

namespace {

struct Options {
    bool tray = false;
    bool simulate = false;
    bool headless = false;
    std::string script;
    std::string programFolder;
};

const char* const kUsage =
    "usage: quelda-keyboard [--tray] [--simulate] [--headless] [--script FILE] [--program-folder DIR]\n";

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--tray") {
            options.tray = true;
        } else if (arg == "--simulate") {
            options.simulate = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if ((arg == "--script" || arg == "--program-folder") && i + 1 < argc) {
            (arg == "--script" ? options.script : options.programFolder) = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            std::exit(0);
        } else {
            std::cerr << "quelda-keyboard: unknown option " << arg << "\n" << kUsage;
            return std::nullopt;
        }
    }
    if (!options.script.empty()) {
        options.headless = true;
    }
    return options;
}

int RunScripted(const Options& options, CTarvikApp& app) {
    std::string error;
    auto script = LoadScenario(options.script, error);
    if (!script) {
        std::cerr << error << "\n";
        return 2;
    }
    ui::headless::Driver driver;
    EmulatedKeyboardBus emulated;
    if (options.simulate) {
        emulated.Attach();
    }
    ScenarioRunner runner(std::move(*script), emulated, driver);
    return runner.Run([&app] { app.InitInstance(); });
}

int RunInteractive(const Options& options, CTarvikApp& app) {
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
    auto options = ParseOptions(argc, argv);
    if (!options) {
        return 2;
    }
    if (!options->programFolder.empty()) {
        // Absolute, as config.ini stores the profile paths made from it.
        const std::string folder =
            std::filesystem::absolute(options->programFolder).lexically_normal().string();
        ::setenv("QUELDA_KEYBOARD_HOME", folder.c_str(), 1);
    }
    CTarvikApp app(options->tray ? CTarvikApp::StartWindow::inTray : CTarvikApp::StartWindow::shown);
    // A logout, kill or Ctrl+C closes the window, so the keyboard still hears
    // that the configurator is gone and the tray icon goes with it.
    core::TerminationSignals signals([&app](int signal) { app.RequestEnd(signal); });
    return options->script.empty() ? RunInteractive(*options, app) : RunScripted(*options, app);
}
