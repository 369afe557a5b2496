#pragma once

#include <string>
#include <string_view>

#include "sim/headset/EmulatedHeadset.h"

namespace sim {

struct VerbResult {
    bool done = false;
    std::string text;  // what went wrong, or what "dump" shows
};

// One scenario line about the emulated headset, for the scenario runner:
//   plug | unplug | press N | release N | line N LEVEL
//   fail TIMES WHAT...         (the next TIMES commands whose log starts with WHAT are refused)
//   unplug after CALLS | driver extension on|off
//   register R = V | eeprom BUS OFFSET = V | mic silence | mic noise | dump
// Numbers are decimal or 0x-prefixed hexadecimal.
VerbResult runHeadsetVerb(EmulatedHeadset& headset, Machine& machine, std::string_view line);

}  // namespace sim
