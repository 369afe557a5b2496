#include "platform/audio/AudioSystem.h"

#include <atomic>

namespace audio {

namespace {

class NoAudio final : public AudioSystem {
public:
    std::vector<CaptureDevice> captureDevices() override { return {}; }
    std::optional<std::vector<std::shared_ptr<CaptureEndpoint>>> activeCaptureEndpoints() override {
        return std::vector<std::shared_ptr<CaptureEndpoint>>{};
    }
    std::unique_ptr<Recording> openDefaultRecording(const RecordingFormat&) override { return nullptr; }
};

std::atomic<AudioSystem*> installed{nullptr};

}  // namespace

AudioSystem& system() {
    static NoAudio none;
    AudioSystem* current = installed.load();
    return current ? *current : none;
}

void installSystem(AudioSystem* newSystem) {
    installed.store(newSystem);
}

}  // namespace audio
