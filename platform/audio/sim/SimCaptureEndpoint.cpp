#include "platform/audio/sim/SimCaptureEndpoint.h"

#include <algorithm>
#include <cmath>
#include <string>

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

void SimCaptureEndpoint::setObserver(Observer observer) {
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

void SimCaptureEndpoint::tell(const std::string& what, bool accepted) {
    Observer observer;
    {
        std::lock_guard lock(mutex_);
        observer = observer_;
    }
    if (observer) {
        observer(what, accepted);
    }
}

std::string SimCaptureEndpoint::friendlyName() const {
    std::lock_guard lock(mutex_);
    return state_.friendlyName;
}

std::optional<VolumeSteps> SimCaptureEndpoint::volumeSteps() {
    std::optional<VolumeSteps> steps;
    {
        std::lock_guard lock(mutex_);
        if (present_) {
            steps = VolumeSteps{state_.currentStep, state_.stepCount};
        }
    }
    tell("volume steps", steps.has_value());
    return steps;
}

bool SimCaptureEndpoint::setMasterVolumeScalar(float level) {
    bool taken = false;
    {
        std::lock_guard lock(mutex_);
        taken = present_ && level >= 0.0f && level <= 1.0f;
        if (taken) {
            state_.scalar = level;
            state_.currentStep =
                static_cast<unsigned>(std::lround(level * static_cast<float>(state_.stepCount - 1)));
        }
    }
    tell("volume " + std::to_string(level), taken);
    return taken;
}

std::optional<bool> SimCaptureEndpoint::mute() {
    std::optional<bool> mute;
    {
        std::lock_guard lock(mutex_);
        if (present_) {
            mute = state_.mute;
        }
    }
    tell("read mute", mute.has_value());
    return mute;
}

bool SimCaptureEndpoint::setMute(bool on) {
    bool taken = false;
    {
        std::lock_guard lock(mutex_);
        if (present_ && state_.muteRefusals > 0) {
            --state_.muteRefusals;
        } else if (present_) {
            state_.mute = on;
            taken = true;
        }
    }
    tell(on ? "mute 1" : "mute 0", taken);
    return taken;
}

std::optional<bool> SimCaptureEndpoint::automaticGain() {
    std::optional<bool> gain;
    {
        std::lock_guard lock(mutex_);
        if (present_ && state_.hasAutomaticGain) {
            gain = state_.automaticGain;
        }
    }
    tell("read automatic gain", gain.has_value());
    return gain;
}

bool SimCaptureEndpoint::setAutomaticGain(bool on) {
    bool taken = false;
    {
        std::lock_guard lock(mutex_);
        taken = present_ && state_.hasAutomaticGain;
        if (taken) {
            state_.automaticGain = on;
        }
    }
    tell(on ? "automatic gain 1" : "automatic gain 0", taken);
    return taken;
}

}  // namespace audio
