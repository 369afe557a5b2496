#include "platform/scenario/ProgramOptions.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "platform/core/ProgramFolder.h"
#include "platform/scenario/Runner.h"

namespace scenario {

std::optional<ProgramOptions> parseProgramOptions(int argc, char** argv, const std::string& program,
                                                  const std::vector<std::string>& programSwitches,
                                                  const std::function<bool(const std::string&)>& takesArgument) {
    std::string usage = "usage: " + program;
    for (const std::string& programSwitch : programSwitches) {
        usage += " [" + programSwitch + "]";
    }
    usage += " [--simulate] [--headless] [--script FILE] [--program-folder DIR]\n";
    ProgramOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (std::find(programSwitches.begin(), programSwitches.end(), arg) != programSwitches.end()) {
            options.switches.insert(arg);
            options.arguments.push_back(arg);
        } else if (arg == "--simulate") {
            options.simulate = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if ((arg == "--script" || arg == "--program-folder") && i + 1 < argc) {
            (arg == "--script" ? options.script : options.programFolder) = argv[++i];
        } else if (takesArgument && takesArgument(arg)) {
            options.arguments.push_back(arg);
        } else if (arg == "--help" || arg == "-h") {
            std::cout << usage;
            std::exit(0);
        } else {
            std::cerr << program << ": unknown option " << arg << "\n" << usage;
            return std::nullopt;
        }
    }
    if (!options.script.empty()) {
        options.headless = true;
    }
    return options;
}

void useProgramFolder(const ProgramOptions& options) {
    if (!options.programFolder.empty()) {
        core::setProgramFolder(std::filesystem::absolute(options.programFolder).lexically_normal().string());
    }
}

int runScriptFile(const std::string& path, ProgramAdapter& adapter, ui::headless::Driver& driver,
                  const std::function<void()>& program) {
    VerbTable verbs = Runner::verbsFor(adapter);
    std::string error;
    auto script = loadScript(path, verbs, error);
    if (!script) {
        std::cerr << error << "\n";
        return 2;
    }
    Runner runner(std::move(*script), std::move(verbs), adapter, driver);
    return runner.run(program);
}

}  // namespace scenario
