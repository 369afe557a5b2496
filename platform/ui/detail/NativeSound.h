#pragma once

#include <chrono>
#include <string>

namespace ui::detail {

// A backend's real playback of one wave file.
class NativeSound {
public:
    virtual ~NativeSound() = default;
    virtual bool load(const std::string& path) = 0;
    virtual void play(std::chrono::milliseconds from) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
};

}  // namespace ui::detail
