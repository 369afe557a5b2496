#include "audio/settings/SoundProfiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "ProfileFixture.h"
#include "RecordingProfileView.h"
#include "audio/settings/PanelConfigFile.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/headless/Driver.h"
#include "support/TempFolder.h"

namespace {

using Strings = std::vector<std::string>;

// Points an environment variable at a folder for one test.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class SoundProfilesTest : public ::testing::Test {
protected:
    SoundProfilesTest() {
        config.m_install.m_strInstallFolderName = "Sonvair";
        config.m_install.m_strInstallAppTitle = "Sonvair Panel";
        temp.write("program/AudioConfig.cfg", "[Install]\r\nInstallFolderName=Sonvair\r\n");
    }

    std::string LastIni() { return ReadLastIniPath(temp.file("program/AudioConfig.cfg")); }

    TempFolder temp;
    ScopedVariable appData{"APPDATA", temp.file("appdata")};
    ScopedVariable home{"USERPROFILE", temp.file("home")};
    ui::headless::Driver driver;
    AudioState state;
    RecordingProfileView view{state};
    PanelConfiguration config;
    SoundProfiles profiles{state, view, config, temp.file("program")};
};

TEST_F(SoundProfilesTest, SaveAsAddsTheExtensionUnlessTheNameHoldsIt) {
    struct Case {
        const char* chosen;
        const char* written;
    } cases[] = {
        {"home/Sonvair/Rock", "home/Sonvair/Rock.ini"},
        {"home/Sonvair/Jazz.ini", "home/Sonvair/Jazz.ini"},
        {"home/Sonvair/Rock.INI", "home/Sonvair/Rock.INI.ini"},
        {"home/old.ini.d/Pop", "home/old.ini.d/Pop"},  // any ".ini" in the path counts
    };
    for (const Case& c : cases) {
        temp.write(std::string(c.written) + ".keep", "");  // the folder exists
        driver.answerFileDialog(temp.file(c.chosen));
        EXPECT_EQ(profiles.SaveProfileAs(), ProfileCommandDone) << c.chosen;
        EXPECT_TRUE(temp.read(c.written).find("[EQ]\r\nS1=0x400,") == 0) << c.written;
        EXPECT_EQ(LastIni(), temp.file(c.written));
    }
    const ui::FileDialogOptions& asked = driver.fileDialogs().front();
    EXPECT_EQ(asked.mode, ui::FileDialogMode::save);
    EXPECT_EQ(asked.filter, "INI (*.ini)|*.ini");
    EXPECT_EQ(asked.initialFolder, temp.file("home/Sonvair"));
}

TEST_F(SoundProfilesTest, SaveAsCreatesTheUserFolderAndRefusesWithoutHeadset) {
    EXPECT_EQ(profiles.SaveProfileAs(), ProfileCommandCancelled);
    EXPECT_TRUE(std::filesystem::is_directory(temp.file("home/Sonvair")));
    EXPECT_EQ(LastIni(), "");

    view.headsetPresent = false;
    EXPECT_EQ(profiles.SaveProfileAs(), ProfileCommandNoHeadset);
    EXPECT_EQ(profiles.LoadProfile(), ProfileCommandNoHeadset);
    EXPECT_EQ(driver.fileDialogs().size(), 1u);  // nothing shown while refused
}

TEST_F(SoundProfilesTest, OpenStartsWhereTheLastSaveWentAndLeavesItThere) {
    ProfileFixture file;
    file.set("Effect", "CurrentEffect", "2");
    std::string chosen = file.save(temp, "elsewhere/Mine.ini");

    driver.answerFileDialog(chosen);
    EXPECT_EQ(profiles.LoadProfile(), ProfileCommandDone);
    EXPECT_EQ(state.m_iCurrentEffect, 2);
    EXPECT_EQ(state.m_strProfilePath, chosen);
    EXPECT_EQ(driver.fileDialogs().back().initialFolder, temp.file("home/Sonvair"));
    EXPECT_EQ(driver.fileDialogs().back().mode, ui::FileDialogMode::open);
    EXPECT_EQ(driver.fileDialogs().back().filter, "INI (*.ini)|*.ini");

    WriteLastIniPath(temp.file("program/AudioConfig.cfg"), temp.file("saved/Last.ini"));
    EXPECT_EQ(profiles.LoadProfile(), ProfileCommandCancelled);
    EXPECT_EQ(driver.fileDialogs().back().initialFolder, temp.file("saved"));
    EXPECT_EQ(LastIni(), temp.file("saved/Last.ini"));
}

TEST_F(SoundProfilesTest, OpenShowsTheConversionErrorAndKeepsWhatWasRead) {
    ProfileFixture file;
    file.set("EQ", "S1", "0x500,0x400,0x400,0x400,0x400,1");
    file.set("Effect", "CurrentEffect", "Theater");
    driver.answerFileDialog(file.save(temp));

    EXPECT_EQ(profiles.LoadProfile(), ProfileCommandDone);

    ASSERT_EQ(driver.messageBoxes().size(), 1u);
    EXPECT_EQ(driver.messageBoxes()[0].text, "'Theater' is not a valid integer value");
    EXPECT_EQ(driver.messageBoxes()[0].caption, "Sonvair Panel");
    EXPECT_EQ(driver.messageBoxes()[0].type, ui::MB_OK | ui::MB_ICONERROR);
    EXPECT_EQ(state.Preset(1).m_wEQValue[0], 0x500);
    EXPECT_EQ(view.calls.back(), "D3SwitchRead 0");
}

TEST_F(SoundProfilesTest, LastProfileIsWrittenUnderAppDataAndReadBack) {
    state.m_iCurrentEffect = 5;
    EXPECT_EQ(profiles.SaveLastProfile("Sonvair"), 0);
    ASSERT_TRUE(temp.exists("appdata/Sonvair/LastProfile.ini"));

    AudioState next;
    RecordingProfileView nextView{next};
    SoundProfiles nextRun{next, nextView, config, temp.file("program")};
    EXPECT_EQ(nextRun.LoadLastProfile("Sonvair"), ProfileFileRead);
    EXPECT_FALSE(nextRun.NoLastProfile());
    EXPECT_EQ(next.m_iCurrentEffect, 5);
}

TEST_F(SoundProfilesTest, LongApplicationDataPathIsTakenWhole) {
    std::string deep =
        temp.file(std::string(120, 'a') + "/" + std::string(120, 'b') + "/" + std::string(40, 'c'));
    ScopedVariable longAppData{"APPDATA", deep};
    ASSERT_GT(deep.size(), 280u);
    state.m_iCurrentEffect = 2;
    profiles.SaveLastProfile("Sonvair");
    EXPECT_TRUE(std::filesystem::exists(deep + "/Sonvair/LastProfile.ini"));
    state.m_iCurrentEffect = 1;
    EXPECT_EQ(profiles.LoadLastProfile("Sonvair"), ProfileFileRead);
    EXPECT_EQ(state.m_iCurrentEffect, 2);
}

TEST_F(SoundProfilesTest, WithoutLastProfileTheHeadsetIsAskedInstead) {
    EXPECT_EQ(profiles.LoadLastProfile("Sonvair"), ProfileFileMissing);
    EXPECT_TRUE(profiles.NoLastProfile());
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(SoundProfilesTest, DefaultProfileGivesItsValuesAndItsSwitches) {
    EXPECT_EQ(profiles.LoadDefaultProfile("Sonvair"), ProfileFileMissing);
    EXPECT_EQ(profiles.ReadDefaultSwitches("Sonvair"), ProfileFileMissing);

    ProfileFixture file;
    file.set("EQ", "EQEN", "1");
    file.set("3D", "3DEN", "");
    file.set("Virtual7ch1", "7ch1EN", "1");
    file.set("ENC", "ENCEN", "0x1");
    file.set("Effect", "CurrentEffect", "3");
    file.save(temp, "appdata/Sonvair/DefaultProfile.ini");

    EXPECT_EQ(profiles.LoadDefaultProfile("Sonvair"), ProfileFileRead);
    EXPECT_EQ(state.m_iCurrentEffect, 3);
    EXPECT_EQ(profiles.ReadDefaultSwitches("Sonvair"), ProfileFileRead);
    EXPECT_EQ(state.m_iDefaultEQEN, 1);
    EXPECT_EQ(state.m_iDefault3DEN, 0);
    EXPECT_EQ(state.m_iDefault7ch1EN, 1);
    EXPECT_EQ(state.m_iDefaultENCEN, 1);
    EXPECT_EQ(state.m_iENCEN, 0);  // only the default switch takes it
}

TEST_F(SoundProfilesTest, DefaultProfileIsNeverWritten) {
    profiles.SaveLastProfile("Sonvair");
    EXPECT_FALSE(temp.exists("appdata/Sonvair/DefaultProfile.ini"));
}

}  // namespace
