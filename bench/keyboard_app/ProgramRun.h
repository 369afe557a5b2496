#pragma once

#include <string>
#include <vector>

// One run of a program, as the benchmark sees it from outside.
struct ProgramRun {
    bool succeeded = false;     // exited with 0 after writing its mark
    double toMarkMs = 0;        // start to the first byte on its stdout
    double toExitMs = 0;        // start to its exit
    double maxResidentMiB = 0;  // ru_maxrss: at least the spawner's own size at the fork
};

// Starts program with the arguments and extra environment (NAME=value) given,
// with stdin and stderr on /dev/null and stdout read here, and waits for it.
ProgramRun RunProgram(const std::vector<std::string>& arguments, const std::vector<std::string>& environment);
