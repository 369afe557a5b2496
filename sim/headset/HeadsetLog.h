#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/core/Clock.h"

namespace sim {

enum class HeadsetEvent {
    Plug,
    Unplug,
    Write,       // an output report (the register reports)
    GetInput,    // an input report asked for
    SetFeature,  // a vendor call
    GetFeature,  // its answer fetched
    Input,       // an input report the headset sent on its own (buttons)
    Control,     // a driver extension control; bytes = code (4, little-endian) then input
    Capture,     // a call on the microphone's capture endpoint ("mute 1", "volume steps"...)
};

// One thing the headset saw, with its time on the programs' clock: the bytes
// sent to it, or for a fetch the bytes it handed back. `what` says it in words
// ("select 0x0120", "write 0x0120 = 0x04", "audio command 4/0").
struct HeadsetLogEntry {
    core::Duration time;
    HeadsetEvent event;
    std::vector<std::uint8_t> bytes;
    bool accepted;
    std::string what;
};

class HeadsetLog {
public:
    void add(HeadsetLogEntry entry);
    std::vector<HeadsetLogEntry> entries() const;
    // The `what` of every entry, refused ones marked with a leading "!".
    std::vector<std::string> lines() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<HeadsetLogEntry> entries_;
};

}  // namespace sim
