#include "platform/ui/qt/QtSound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>

#include "platform/ui/detail/QtConvert.h"

namespace ui::qt {

QtSound::QtSound() {
    player_.setAudioOutput(&output_);
}

bool QtSound::outputAvailable() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

bool QtSound::load(const std::string& path) {
    player_.setSource(QUrl::fromLocalFile(detail::toQString(path)));
    return player_.error() == QMediaPlayer::NoError;
}

void QtSound::play(std::chrono::milliseconds from) {
    player_.setPosition(from.count());
    player_.play();
}

void QtSound::stop() {
    player_.pause();
}

bool QtSound::isPlaying() const {
    return player_.playbackState() == QMediaPlayer::PlayingState;
}

}  // namespace ui::qt
