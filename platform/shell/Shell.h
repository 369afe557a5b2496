#pragma once

#include <string>

namespace shell {

// "open" as a desktop shell does it: a program is started detached from us;
// a document, folder or web address goes to the desktop's opener (xdg-open).
// False when the target does not exist or nothing could be started.
bool open(const std::string& target);

// The program that opens documents and web addresses; tests point it at a
// script of their own. An empty name restores "xdg-open".
void setOpener(const std::string& program);

}  // namespace shell
