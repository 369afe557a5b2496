#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace ui {

// What the header of a RIFF wave file says about its sound.
struct WaveInfo {
    unsigned channels = 0;
    unsigned samplesPerSecond = 0;
    unsigned bytesPerSecond = 0;
    unsigned long long dataBytes = 0;  // as much of the data chunk as the file really holds
    std::chrono::milliseconds length{0};
};

// Nothing when the file cannot be read or is not PCM-style wave audio with a
// format and a data chunk.
std::optional<WaveInfo> readWaveInfo(const std::string& path);

}  // namespace ui
