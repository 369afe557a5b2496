#include "platform/forms/TMediaPlayer.h"

#include "platform/forms/LayoutProperties.h"

namespace forms {

bool TMediaPlayer::Open() {
    error_.clear();
    if (!player_.open(FileName)) {
        error_ = "cannot open \"" + FileName + "\" as wave audio";
        return false;
    }
    return true;
}

void TMediaPlayer::Close() {
    player_.close();
}

void TMediaPlayer::Play() {
    if (!player_.isOpen()) {
        return;
    }
    if (AutoRewind && player_.position() >= player_.length()) {
        player_.stop();
        player_.seek(std::chrono::milliseconds(0));
    } else if (player_.position() >= player_.length()) {
        return;
    }
    player_.stop();  // a play while playing goes on from where it is
    player_.play();
}

void TMediaPlayer::Stop() {
    player_.stop();
}

void TMediaPlayer::Rewind() {
    player_.seek(std::chrono::milliseconds(0));
}

int TMediaPlayer::Length() const {
    return static_cast<int>(player_.length().count());
}

int TMediaPlayer::Position() const {
    return static_cast<int>(player_.position().count());
}

void TMediaPlayer::SetPosition(int milliseconds) {
    player_.seek(std::chrono::milliseconds(milliseconds));
}

TMPModes TMediaPlayer::Mode() const {
    if (!player_.isOpen()) {
        return TMPModes::mpNotReady;
    }
    return player_.isPlaying() ? TMPModes::mpPlaying : TMPModes::mpStopped;
}

bool TMediaPlayer::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                               std::string& error) {
    if (key == "FileName") {
        return layout::applyText(value, error,
                                 [&](const std::string& v) { FileName = layout::resolvePath(folder, v); });
    }
    if (key == "AutoRewind") {
        return layout::apply(value, error, [&](bool v) { AutoRewind = v; });
    }
    if (key == "DeviceType") {
        return layout::applyEnum<TMPDeviceTypes>(
            value, error, {{"dtAutoSelect", TMPDeviceTypes::dtAutoSelect}, {"dtWaveAudio", TMPDeviceTypes::dtWaveAudio}},
            [&](TMPDeviceTypes v) { DeviceType = v; });
    }
    return TComponent::SetProperty(key, value, folder, error);
}

void TMediaPlayer::DescribeState(std::ostream& out) const {
    static const char* const modes[] = {"notready", "stopped", "playing", "open"};
    out << " mode=" << modes[static_cast<int>(Mode())] << " position=" << Position() << " length=" << Length();
    TComponent::DescribeState(out);
}

}  // namespace forms
