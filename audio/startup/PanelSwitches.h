#pragma once

#include <string>
#include <vector>

// How the panel was asked to start, by the first switch it recognises.
enum class PanelSwitch {
    Boot,          // "-boot": tell the service 196 and end
    ServiceStart,  // "-servicestart": the panel itself
    ServiceBoot,   // "-serviceboot": the panel, minimised to the tray once shown
    None,          // no switch: tell the service 193 and end
};

// `arguments` as the program got them, its own path first. Writes every
// argument to the debug output, then each later one in lower case as it is
// tested; empty ones are skipped, unknown ones ignored, the first known wins.
PanelSwitch ParsePanelSwitches(const std::vector<std::string>& arguments);

inline bool StartsPanel(PanelSwitch choice) {
    return choice == PanelSwitch::ServiceStart || choice == PanelSwitch::ServiceBoot;
}
