#pragma once

#include "platform/forms/TComponent.h"
#include "platform/ui/WavePlayer.h"

namespace forms {

enum class TMPModes { mpNotReady, mpStopped, mpPlaying, mpOpen };
enum class TMPDeviceTypes { dtAutoSelect, dtWaveAudio };

// Plays a wave file: Open, Play, Stop, Close; Length and Position in
// milliseconds. With AutoRewind (on by default) playing from the end starts
// again at the beginning.
class TMediaPlayer : public TComponent {
public:
    explicit TMediaPlayer(TForm& owner) : TComponent(owner) {}

    std::string_view KindName() const override { return "TMediaPlayer"; }

    std::string FileName;
    TMPDeviceTypes DeviceType = TMPDeviceTypes::dtAutoSelect;
    bool AutoRewind = true;

    // False when the file is not a readable wave file; Error() then says so.
    bool Open();
    void Close();
    void Play();
    void Stop();
    void Rewind();
    int Length() const;
    int Position() const;
    void SetPosition(int milliseconds);
    TMPModes Mode() const;
    // True while the sound is heard on a real output device.
    bool Audible() const { return player_.audible(); }
    const std::string& Error() const { return error_; }

    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;

private:
    ui::WavePlayer player_;
    std::string error_;
};

}  // namespace forms
