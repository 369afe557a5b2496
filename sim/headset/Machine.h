#pragma once

#include "platform/audio/sim/SimAudioSystem.h"
#include "platform/driver/sim/SimDriverDirectory.h"
#include "platform/hid/sim/SimBus.h"

namespace sim {

// The simulated computer emulated devices plug into: its HID bus, the
// extension paths drivers publish and its audio system. While it lives it is
// what the platform layer's calls reach.
class Machine {
public:
    Machine();
    ~Machine();
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    hid::SimBus bus;
    driver::SimDriverDirectory drivers;
    audio::SimAudioSystem audio;
};

}  // namespace sim
