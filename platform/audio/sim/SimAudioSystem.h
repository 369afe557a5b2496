#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "platform/audio/AudioSystem.h"
#include "platform/audio/sim/SimCaptureEndpoint.h"

namespace audio {

// Capture devices and endpoints that emulated devices bring with them, listed
// in the order they were added. The default recording device is the endpoint
// added last, as a freshly plugged headset becomes the default microphone.
class SimAudioSystem final : public AudioSystem {
public:
    void add(const CaptureDevice& device, std::shared_ptr<SimCaptureEndpoint> endpoint);
    void remove(const SimCaptureEndpoint& endpoint);
    // While set, the endpoint walk fails.
    void failEndpointWalk(bool fail);

    std::vector<CaptureDevice> captureDevices() override;
    std::optional<std::vector<std::shared_ptr<CaptureEndpoint>>> activeCaptureEndpoints() override;
    std::unique_ptr<Recording> openDefaultRecording(const RecordingFormat& format) override;

private:
    struct Entry {
        CaptureDevice device;
        std::shared_ptr<SimCaptureEndpoint> endpoint;
    };
    std::mutex mutex_;
    std::vector<Entry> entries_;
    bool failWalk_ = false;
};

}  // namespace audio
