#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "support/TempFolder.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TMediaPlayer.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/Session.h"

using namespace forms;

namespace {

std::string le32(unsigned v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
}

TEST(MediaPlayerQtTest, AWavePlaysOnTheDesktopsAudioOutput) {
    ui::Session session(ui::Backend::qt);
    if (!ui::audioOutputAvailable()) {
        GTEST_SKIP() << "no audio output device on this machine: real playback not tried";
    }
    TempFolder folder;
    const std::string fmt = "fmt " + le32(16) + std::string("\x01\x00\x01\x00", 4) + le32(8000) + le32(8000) +
                            std::string("\x01\x00\x08\x00", 4);
    folder.write("tone.wav", "RIFF" + le32(static_cast<unsigned>(4 + fmt.size() + 8 + 8000)) + "WAVE" + fmt + "data" +
                                 le32(8000) + std::string(8000, '\x90'));
    TForm form;
    auto& player = form.Add<TMediaPlayer>("MediaPlayer");
    player.FileName = folder.file("tone.wav");
    ASSERT_TRUE(player.Open()) << player.Error();
    EXPECT_EQ(player.Length(), 1000);
    player.Play();
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!player.Audible() && std::chrono::steady_clock::now() < until) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(player.Audible()) << "the output device took the sound";
    player.Close();
}

}  // namespace
