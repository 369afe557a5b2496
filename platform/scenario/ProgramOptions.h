#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace ui::headless {
class Driver;
}

namespace scenario {

class ProgramAdapter;

// The options every program takes:
//   --simulate        its emulated device instead of real ones
//   --headless        no windows on the desktop (with --script: a scripted run)
//   --script FILE     run the scenario FILE headless; the exit code says whether it held
//   --program-folder  where the program keeps its files, instead of its own folder
// and the program's own switches, listed when it is parsed.
struct ProgramOptions {
    bool simulate = false;
    bool headless = false;
    std::string script;
    std::string programFolder;
    std::set<std::string> switches;  // the program's own that were given, e.g. "--tray"
    // The program's own words in the order given: its switches and whatever
    // else it takes (a program that reads its own command line, e.g. "-SERVICEstart").
    std::vector<std::string> arguments;

    bool has(const std::string& programSwitch) const { return switches.contains(programSwitch); }
};

// Parses the command line; nullopt (said on stderr) for an option it does not
// know. --help prints the usage and ends the process. `takesArgument` lets the
// program keep other words as its own (in `arguments`) instead of refusing them.
std::optional<ProgramOptions> parseProgramOptions(
    int argc, char** argv, const std::string& program, const std::vector<std::string>& programSwitches = {},
    const std::function<bool(const std::string& argument)>& takesArgument = {});

// Makes --program-folder the program's folder (absolute, as files store paths made from it).
void useProgramFolder(const ProgramOptions& options);

// Runs `program` headless under the scenario file with the common verbs and
// the adapter's own; the process's exit code: 0 it held, 1 a line failed, 2
// the script does not parse.
int runScriptFile(const std::string& path, ProgramAdapter& adapter, ui::headless::Driver& driver,
                  const std::function<void()>& program);

}  // namespace scenario
