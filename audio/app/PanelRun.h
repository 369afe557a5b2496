#pragma once

#include <string>
#include <vector>

struct PanelRunOptions {
    bool simulate = false;
    bool headless = false;
    std::string script;
    std::string programFolder;
    std::vector<std::string> commandLine;  // the program's path, then the panel's own arguments
};

// The panel itself: single instance, the main form, the message loop.
int RunPanel(const PanelRunOptions& options);

// A scenario file run headless on the emulated headset: lines before "start"
// run before the program, the rest once its window is up, those after "quit"
// once it has gone. 0 it held, 1 a line failed, 2 the file cannot be read.
int RunPanelScript(const PanelRunOptions& options);
