#pragma once

#include <string>
#include <vector>

#include "platform/scenario/ProgramOptions.h"

// The panel itself: single instance, the main form, the message loop.
// `commandLine` is the program's path, then the panel's own arguments.
int RunPanel(const scenario::ProgramOptions& options, const std::vector<std::string>& commandLine);

// The options' scenario file run headless on the emulated headset through the
// platform's scenario runner: 0 it held, 1 a line failed, 2 it does not parse.
int RunPanelScript(const scenario::ProgramOptions& options, const std::vector<std::string>& commandLine);
