#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "support/TempFolder.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TMediaPlayer.h"
#include "platform/ui/headless/Driver.h"

using namespace forms;
using std::chrono::milliseconds;

namespace {

std::string le32(unsigned v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
}

// A mono 8-bit wave file at 8000 Hz: `bytes` samples of silence, with the data
// chunk's header claiming `claimed` bytes.
std::string wave(unsigned bytes, unsigned claimed) {
    std::string fmt = std::string("fmt ") + le32(16) + std::string("\x01\x00\x01\x00", 4) + le32(8000) + le32(8000) +
                      std::string("\x01\x00\x08\x00", 4);
    std::string data = std::string("data") + le32(claimed) + std::string(bytes, '\x80');
    return std::string("RIFF") + le32(static_cast<unsigned>(4 + fmt.size() + data.size())) + "WAVE" + fmt + data;
}

class MediaPlayerTest : public ::testing::Test {
protected:
    ui::headless::Driver driver;
    TempFolder folder;
    TForm form;
};

TEST_F(MediaPlayerTest, AWaveReportsItsLengthAndAPositionThatRunsWhilePlaying) {
    folder.write("bee.wav", wave(12000, 12000));  // 1.5 s
    auto& player = form.Add<TMediaPlayer>("MediaPlayer");
    player.FileName = folder.file("bee.wav");
    ASSERT_TRUE(player.Open()) << player.Error();
    EXPECT_EQ(player.Length(), 1500);
    EXPECT_EQ(player.Mode(), TMPModes::mpStopped);

    player.Play();
    driver.advance(milliseconds(400));
    EXPECT_EQ(player.Position(), 400);
    EXPECT_EQ(player.Mode(), TMPModes::mpPlaying);
    player.Stop();
    driver.advance(milliseconds(300));
    EXPECT_EQ(player.Position(), 400) << "stopped where it was";
    player.Play();
    driver.advance(milliseconds(5000));
    EXPECT_EQ(player.Position(), player.Length()) << "it ends at its length";
    EXPECT_EQ(player.Mode(), TMPModes::mpStopped);

    player.Play();  // from the end: AutoRewind starts again
    driver.advance(milliseconds(100));
    EXPECT_EQ(player.Position(), 100);
    player.Close();
    EXPECT_EQ(player.Mode(), TMPModes::mpNotReady);
}

TEST_F(MediaPlayerTest, AHeaderClaimingMoreThanTheFileHoldsGivesTheRealLengthAndBadFilesDoNotOpen) {
    folder.write("cut.wav", wave(4000, 80000));  // says 10 s, holds 0.5 s
    folder.write("text.wav", "not a wave at all");
    auto& player = form.Add<TMediaPlayer>("MediaPlayer");
    player.FileName = folder.file("cut.wav");
    ASSERT_TRUE(player.Open());
    EXPECT_EQ(player.Length(), 500);
    player.FileName = folder.file("text.wav");
    EXPECT_FALSE(player.Open());
    EXPECT_NE(player.Error().find("text.wav"), std::string::npos);
    player.Play();  // nothing open: nothing happens
    EXPECT_EQ(player.Mode(), TMPModes::mpNotReady);
}

}  // namespace
