#include "platform/audio/sim/SimCaptureEndpoint.h"

#include <algorithm>
#include <cmath>

namespace audio {

SimCaptureEndpoint::SimCaptureEndpoint(std::string friendlyName) {
    state_.friendlyName = std::move(friendlyName);
}

CaptureState SimCaptureEndpoint::state() const {
    std::lock_guard lock(mutex_);
    return state_;
}

void SimCaptureEndpoint::setLevelSource(LevelSource source) {
    std::lock_guard lock(mutex_);
    source_ = std::move(source);
}

std::uint8_t SimCaptureEndpoint::sample(std::uint64_t index) const {
    std::lock_guard lock(mutex_);
    return source_ ? source_(index) : 128;
}

std::string SimCaptureEndpoint::friendlyName() const {
    std::lock_guard lock(mutex_);
    return state_.friendlyName;
}

std::optional<VolumeSteps> SimCaptureEndpoint::volumeSteps() {
    std::lock_guard lock(mutex_);
    if (!present_) {
        return std::nullopt;
    }
    return VolumeSteps{state_.currentStep, state_.stepCount};
}

bool SimCaptureEndpoint::setMasterVolumeScalar(float level) {
    std::lock_guard lock(mutex_);
    if (!present_ || !(level >= 0.0f && level <= 1.0f)) {
        return false;
    }
    state_.scalar = level;
    state_.currentStep = static_cast<unsigned>(std::lround(level * static_cast<float>(state_.stepCount - 1)));
    return true;
}

std::optional<bool> SimCaptureEndpoint::mute() {
    std::lock_guard lock(mutex_);
    return present_ ? std::optional<bool>(state_.mute) : std::nullopt;
}

bool SimCaptureEndpoint::setMute(bool on) {
    std::lock_guard lock(mutex_);
    if (!present_) {
        return false;
    }
    if (state_.muteRefusals > 0) {
        --state_.muteRefusals;
        return false;
    }
    state_.mute = on;
    return true;
}

std::optional<bool> SimCaptureEndpoint::automaticGain() {
    std::lock_guard lock(mutex_);
    if (!present_ || !state_.hasAutomaticGain) {
        return std::nullopt;
    }
    return state_.automaticGain;
}

bool SimCaptureEndpoint::setAutomaticGain(bool on) {
    std::lock_guard lock(mutex_);
    if (!present_ || !state_.hasAutomaticGain) {
        return false;
    }
    state_.automaticGain = on;
    return true;
}

}  // namespace audio
