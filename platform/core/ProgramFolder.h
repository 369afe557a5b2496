#pragma once

#include <string>

namespace core {

// The folder of the running program: the directory of /proc/self/exe, or the
// value of `overrideVariable` when that environment variable is set and not
// empty (installs, tests and scripted runs point it at a folder of their own).
// A folder given with setProgramFolder comes before both.
std::string programFolder(const char* overrideVariable);

// As above, for a program that keeps its files in its folder: once installed
// (that folder belongs to root), the per-user folder named `installedName`
// takes its place, unless the override variable is set.
std::string programFolder(const char* overrideVariable, const std::string& installedName);

// Whether the running program is an installed one: <prefix>/bin/<program>,
// with the layer's library in its private folder <prefix>/<libdir>/quelda-sonvair.
bool runsInstalled();

// $XDG_CONFIG_HOME/<name> (or ~/.config/<name>), made when missing.
std::string userProgramFolder(const std::string& name);

// The folder a program was told to use (--program-folder); set before the
// program's threads start.
void setProgramFolder(const std::string& folder);

// The directory of the running executable, without any override.
std::string executableFolder();

}  // namespace core
