#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>

#include "platform/ui/detail/NativeSound.h"

namespace ui::qt {

// Plays a wave file through Qt Multimedia on the default audio output.
class QtSound final : public detail::NativeSound {
public:
    QtSound();

    static bool outputAvailable();

    bool load(const std::string& path) override;
    void play(std::chrono::milliseconds from) override;
    void stop() override;
    bool isPlaying() const override;

private:
    QAudioOutput output_;
    QMediaPlayer player_;
};

}  // namespace ui::qt
