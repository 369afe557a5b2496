#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>

#include "platform/audio/AudioSystem.h"

namespace audio {

// What a simulated capture endpoint holds; everything a test may look at.
struct CaptureState {
    std::string friendlyName;
    unsigned stepCount = 65;
    unsigned currentStep = 32;
    float scalar = 0.5f;
    bool mute = false;
    bool hasAutomaticGain = true;
    bool automaticGain = false;
    int muteRefusals = 0;  // the next this many setMute calls fail
};

// An 8-bit unsigned sample (128 = silence) for each position of the stream.
using LevelSource = std::function<std::uint8_t(std::uint64_t sampleIndex)>;

class SimCaptureEndpoint final : public CaptureEndpoint {
public:
    explicit SimCaptureEndpoint(std::string friendlyName);

    CaptureState state() const;
    template <typename Change>
    void change(Change&& change) {
        std::lock_guard lock(mutex_);
        change(state_);
    }
    void setLevelSource(LevelSource source);
    std::uint8_t sample(std::uint64_t index) const;
    // A removed endpoint refuses every call, as a released device does.
    void setPresent(bool present) { present_ = present; }
    // Told of every control call: what it was ("mute 1", "volume steps") and whether it was taken.
    using Observer = std::function<void(const std::string& what, bool accepted)>;
    void setObserver(Observer observer);

    std::string friendlyName() const override;
    std::optional<VolumeSteps> volumeSteps() override;
    bool setMasterVolumeScalar(float level) override;
    std::optional<bool> mute() override;
    bool setMute(bool on) override;
    std::optional<bool> automaticGain() override;
    bool setAutomaticGain(bool on) override;

private:
    void tell(const std::string& what, bool accepted);

    mutable std::mutex mutex_;
    CaptureState state_;
    Observer observer_;
    LevelSource source_;
    std::atomic<bool> present_{true};
};

}  // namespace audio
