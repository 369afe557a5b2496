#pragma once

#include <functional>
#include <optional>
#include <string>

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
struct ProgramOptions {
    bool simulate = false;
    bool headless = false;
    std::string script;
    std::string programFolder;
};

// Parses the command line; nullopt (said on stderr) for an option it does not
// know. --help prints the usage and ends the process.
std::optional<ProgramOptions> parseProgramOptions(int argc, char** argv, const std::string& program);

// Makes --program-folder the program's folder (absolute, as files store paths made from it).
void useProgramFolder(const ProgramOptions& options);

// Runs `program` headless under the scenario file with the common verbs and
// the adapter's own; the process's exit code: 0 it held, 1 a line failed, 2
// the script does not parse.
int runScriptFile(const std::string& path, ProgramAdapter& adapter, ui::headless::Driver& driver,
                  const std::function<void()>& program);

}  // namespace scenario
