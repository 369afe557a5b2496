#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace audio {

// A capture device as the system lists its recording hardware: the name it
// shows and the device-interface path of the hardware behind it
// ("\\?\USB#VID_0C76&PID_161F&MI_00#...").
struct CaptureDevice {
    std::string displayName;
    std::string interfacePath;
};

struct VolumeSteps {
    unsigned current = 0;
    unsigned count = 0;
};

// An active capture endpoint of the audio system and the controls the panel
// uses on it. Every call may fail (nullopt or false), for instance once the
// device has gone.
class CaptureEndpoint {
public:
    virtual ~CaptureEndpoint() = default;

    virtual std::string friendlyName() const = 0;
    virtual std::optional<VolumeSteps> volumeSteps() = 0;
    virtual bool setMasterVolumeScalar(float level) = 0;  // 0.0 .. 1.0
    virtual std::optional<bool> mute() = 0;
    virtual bool setMute(bool on) = 0;
    // nullopt when no part of the endpoint has an automatic gain control.
    virtual std::optional<bool> automaticGain() = 0;
    virtual bool setAutomaticGain(bool on) = 0;
};

// Samples taken from a recording device.
class Recording {
public:
    virtual ~Recording() = default;
    // Fills the buffer with the next samples; the count written.
    virtual std::size_t read(std::span<std::uint8_t> samples) = 0;
};

struct RecordingFormat {
    unsigned sampleRate = 8000;
    unsigned bitsPerSample = 8;
    unsigned channels = 1;
};

class AudioSystem {
public:
    virtual ~AudioSystem() = default;

    virtual std::vector<CaptureDevice> captureDevices() = 0;
    // nullopt when the walk over the endpoints fails.
    virtual std::optional<std::vector<std::shared_ptr<CaptureEndpoint>>> activeCaptureEndpoints() = 0;
    // nullptr when there is no default recording device or the format is refused.
    virtual std::unique_ptr<Recording> openDefaultRecording(const RecordingFormat& format) = 0;
};

// The audio system the programs use. The default one lists nothing yet (a
// PulseAudio backend is to come); tests and the demo install the simulated
// one. The installed system must outlive its use.
AudioSystem& system();
void installSystem(AudioSystem* system);  // nullptr restores the default

}  // namespace audio
