#pragma once

#include <string>

namespace core {

// The folder of the running program: the directory of /proc/self/exe, or the
// value of `overrideVariable` when that environment variable is set and not
// empty (installs, tests and scripted runs point it at a folder of their own).
// A folder given with setProgramFolder comes before both.
std::string programFolder(const char* overrideVariable);

// The folder a program was told to use (--program-folder); set before the
// program's threads start.
void setProgramFolder(const std::string& folder);

// The directory of the running executable, without any override.
std::string executableFolder();

}  // namespace core
