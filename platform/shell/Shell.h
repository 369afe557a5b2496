#pragma once

#include <functional>
#include <string>
#include <vector>

namespace shell {

// "open" as a desktop shell does it: a program is started detached from us;
// a document, folder or web address goes to the desktop's opener (xdg-open).
// False when the target does not exist or nothing could be started.
bool open(const std::string& target);

// Starts the program at `program` detached from us, with `parameters` as its
// arguments. False when it is not an executable file or could not be started.
bool startProgram(const std::string& program, const std::vector<std::string>& parameters);

// The program that opens documents and web addresses; tests point it at a
// script of their own. An empty name restores "xdg-open".
void setOpener(const std::string& program);

// Takes the place of starting processes: every open then hands the command
// line it would run to `launcher`, whose result it returns (scripted runs
// record them instead of starting browsers). An empty function restores.
using Launcher = std::function<bool(const std::vector<std::string>& commandLine)>;
void setLauncher(Launcher launcher);

}  // namespace shell
