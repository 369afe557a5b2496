#include "platform/ui/WavePlayer.h"

#include <algorithm>

#include "platform/core/Clock.h"
#include "platform/ui/detail/Dispatcher.h"
#include "platform/ui/detail/NativeSound.h"

namespace ui {

WavePlayer::WavePlayer() = default;
WavePlayer::~WavePlayer() = default;

bool WavePlayer::open(const std::string& path) {
    close();
    info_ = readWaveInfo(path);
    if (!info_) {
        return false;
    }
    path_ = path;
    if (detail::Dispatcher* dispatcher = detail::Dispatcher::current()) {
        native_ = dispatcher->backend().createSound();
        if (native_ && !native_->load(path)) {
            native_.reset();
        }
    }
    return true;
}

void WavePlayer::close() {
    stop();
    native_.reset();
    info_.reset();
    from_ = std::chrono::milliseconds(0);
}

void WavePlayer::play() {
    if (!info_ || playing_) {
        return;
    }
    playing_ = true;
    startedAt_ = core::systemClock().now();
    if (native_) {
        native_->play(from_);
    }
}

void WavePlayer::stop() {
    if (!playing_) {
        return;
    }
    from_ = position();
    playing_ = false;
    if (native_) {
        native_->stop();
    }
}

void WavePlayer::seek(std::chrono::milliseconds position) {
    const bool wasPlaying = isPlaying();
    stop();
    from_ = std::clamp(position, std::chrono::milliseconds(0), length());
    if (wasPlaying) {
        play();
    }
}

bool WavePlayer::isPlaying() const {
    return playing_ && from_ + elapsed() < length();
}

bool WavePlayer::audible() const {
    return native_ && native_->isPlaying();
}

std::chrono::milliseconds WavePlayer::length() const {
    return info_ ? info_->length : std::chrono::milliseconds(0);
}

std::chrono::milliseconds WavePlayer::position() const {
    return std::min(from_ + (playing_ ? elapsed() : std::chrono::milliseconds(0)), length());
}

std::chrono::milliseconds WavePlayer::elapsed() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(core::systemClock().now() - startedAt_);
}

bool audioOutputAvailable() {
    detail::Dispatcher* dispatcher = detail::Dispatcher::current();
    return dispatcher != nullptr && dispatcher->backend().hasAudioOutput();
}

}  // namespace ui
