#include "platform/audio/sim/SimAudioSystem.h"

#include <algorithm>

namespace audio {

namespace {

class SimRecording final : public Recording {
public:
    explicit SimRecording(std::shared_ptr<SimCaptureEndpoint> endpoint) : endpoint_(std::move(endpoint)) {}
    std::size_t read(std::span<std::uint8_t> samples) override {
        for (std::uint8_t& sample : samples) {
            sample = endpoint_->sample(position_++);
        }
        return samples.size();
    }

private:
    std::shared_ptr<SimCaptureEndpoint> endpoint_;
    std::uint64_t position_ = 0;
};

}  // namespace

void SimAudioSystem::add(const CaptureDevice& device, std::shared_ptr<SimCaptureEndpoint> endpoint) {
    endpoint->setPresent(true);
    std::lock_guard lock(mutex_);
    entries_.push_back({device, std::move(endpoint)});
}

void SimAudioSystem::remove(const SimCaptureEndpoint& endpoint) {
    std::lock_guard lock(mutex_);
    for (auto& entry : entries_) {
        if (entry.endpoint.get() == &endpoint) {
            entry.endpoint->setPresent(false);
        }
    }
    std::erase_if(entries_, [&](const Entry& entry) { return entry.endpoint.get() == &endpoint; });
}

void SimAudioSystem::failEndpointWalk(bool fail) {
    std::lock_guard lock(mutex_);
    failWalk_ = fail;
}

std::vector<CaptureDevice> SimAudioSystem::captureDevices() {
    std::lock_guard lock(mutex_);
    std::vector<CaptureDevice> devices;
    for (const Entry& entry : entries_) {
        devices.push_back(entry.device);
    }
    return devices;
}

std::optional<std::vector<std::shared_ptr<CaptureEndpoint>>> SimAudioSystem::activeCaptureEndpoints() {
    std::lock_guard lock(mutex_);
    if (failWalk_) {
        return std::nullopt;
    }
    std::vector<std::shared_ptr<CaptureEndpoint>> endpoints;
    for (const Entry& entry : entries_) {
        endpoints.push_back(entry.endpoint);
    }
    return endpoints;
}

std::unique_ptr<Recording> SimAudioSystem::openDefaultRecording(const RecordingFormat& format) {
    std::lock_guard lock(mutex_);
    if (entries_.empty() || format.bitsPerSample != 8 || format.channels != 1) {
        return nullptr;
    }
    return std::make_unique<SimRecording>(entries_.back().endpoint);
}

}  // namespace audio
