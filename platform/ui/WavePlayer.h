#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/ui/WaveFile.h"

namespace ui {

namespace detail {
class NativeSound;
}

// A wave file on the sound output. The desktop backend plays it where an audio
// output exists; headless, or without one, playing is simulated. Either way the
// position runs on the layer's clock, so the virtual clock drives it in tests.
class WavePlayer {
public:
    WavePlayer();
    ~WavePlayer();
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    bool open(const std::string& path);  // false: not a readable wave file
    void close();
    bool isOpen() const { return info_.has_value(); }

    void play();  // from the current position
    void stop();  // stays at the current position
    void seek(std::chrono::milliseconds position);
    bool isPlaying() const;
    // True while a real output device sounds it.
    bool audible() const;

    std::chrono::milliseconds length() const;
    std::chrono::milliseconds position() const;

private:
    std::chrono::milliseconds elapsed() const;

    std::string path_;
    std::optional<WaveInfo> info_;
    std::unique_ptr<detail::NativeSound> native_;
    bool playing_ = false;
    std::chrono::milliseconds from_{0};
    std::chrono::nanoseconds startedAt_{0};
};

// Whether the desktop has an audio output to play on (never headless).
bool audioOutputAvailable();

}  // namespace ui
