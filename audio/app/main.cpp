// sonvair-app: the headset panel.
//
//   sonvair-app [--simulate] [--headless] [--script FILE] [--program-folder DIR] [-boot|-servicestart|-serviceboot]
//
// --simulate        the emulated headset, plugged in at start, instead of real devices
// --headless        no windows on the desktop
// --script FILE     run the scenario FILE headless; the exit code tells whether it held
// --program-folder  the folder with AudioConfig.cfg, Language/, Skin/ and forms/ (also SONVAIR_HOME)
// The panel's own switches follow: without -servicestart or -serviceboot it
// only asks the service AudioDeviceService to open the panel.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/app/PanelRun.h"
#include "audio/settings/PanelConfigFile.h"
#include "audio/startup/PanelSwitches.h"
#include "audio/startup/ServiceControlRun.h"
#include "platform/core/Clock.h"
#include "platform/service/ServiceManager.h"

namespace {

const char* const kUsage =
    "usage: sonvair-app [--simulate] [--headless] [--script FILE] [--program-folder DIR] "
    "[-boot|-servicestart|-serviceboot]\n";

std::optional<PanelRunOptions> ParseOptions(int argc, char** argv) {
    PanelRunOptions options;
    options.commandLine.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--simulate") {
            options.simulate = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if ((arg == "--script" || arg == "--program-folder") && i + 1 < argc) {
            (arg == "--script" ? options.script : options.programFolder) = argv[++i];
        } else if (arg == "--help") {
            std::cout << kUsage;
            std::exit(0);
        } else if (arg.rfind("--", 0) == 0) {
            std::cerr << "sonvair-app: unknown option " << arg << "\n" << kUsage;
            return std::nullopt;
        } else {
            options.commandLine.push_back(arg);
        }
    }
    if (!options.script.empty()) {
        options.headless = true;
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    auto options = ParseOptions(argc, argv);
    if (!options) {
        return 2;
    }
    if (!options->programFolder.empty()) {
        const std::string folder = std::filesystem::absolute(options->programFolder).lexically_normal().string();
        ::setenv("SONVAIR_HOME", folder.c_str(), 1);
    }
    if (!options->script.empty()) {
        return RunPanelScript(*options);
    }
    const PanelSwitch choice = ParsePanelSwitches(options->commandLine);
    if (!StartsPanel(choice)) {
        return RunServiceControl(choice, service::systemServiceManager(), core::systemClock());
    }
    return RunPanel(*options);
}
