// sonvair-app: the headset panel.
//
//   sonvair-app [--simulate] [--headless] [--script FILE] [--program-folder DIR] [-boot|-servicestart|-serviceboot]
//
// --simulate        the emulated headset, plugged in at start, instead of real devices
// --headless        no windows on the desktop
// --script FILE     run the scenario FILE headless; the exit code tells whether it held
// --program-folder  the folder with AudioConfig.cfg, Language/, Skin/ and forms/ (also SONVAIR_HOME)
// The panel's own switches follow, read as the panel reads them (in any
// case, the first known one wins): without -servicestart or -serviceboot it
// only asks the service AudioDeviceService to open the panel.
#include <malloc.h>

#include <string>
#include <vector>

#include "audio/app/PanelRun.h"
#include "audio/startup/PanelSwitches.h"
#include "audio/startup/ServiceControlRun.h"
#include "platform/core/Clock.h"
#include "platform/scenario/ProgramOptions.h"
#include "platform/service/ServiceManager.h"

int main(int argc, char** argv) {
    // The skin's pictures are megabytes each. Taken from the heap, a buffer freed
    // while the form is built is reused by the next picture; each one mapped on
    // its own would fault in every page afresh.
    mallopt(M_MMAP_THRESHOLD, 16 * 1024 * 1024);
    // Every word that is not a "--" option is the panel's own.
    auto options = scenario::parseProgramOptions(argc, argv, "sonvair-app", {"-boot", "-servicestart", "-serviceboot"},
                                                 [](const std::string& arg) { return arg.rfind("--", 0) != 0; });
    if (!options) {
        return 2;
    }
    scenario::useProgramFolder(*options);
    std::vector<std::string> commandLine{argv[0]};
    commandLine.insert(commandLine.end(), options->arguments.begin(), options->arguments.end());
    if (!options->script.empty()) {
        return RunPanelScript(*options, commandLine);
    }
    const PanelSwitch choice = ParsePanelSwitches(commandLine);
    if (!StartsPanel(choice)) {
        return RunServiceControl(choice, service::systemServiceManager(), core::systemClock());
    }
    return RunPanel(*options, commandLine);
}
