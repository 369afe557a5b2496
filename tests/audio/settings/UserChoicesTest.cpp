#include "audio/settings/UserChoices.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "audio/settings/PanelConfigFile.h"
#include "support/TempFolder.h"

namespace {

// Points APPDATA at the test's folder for one test.
class ScopedAppData {
public:
    explicit ScopedAppData(const std::string& folder) {
        if (const char* old = std::getenv("APPDATA")) {
            old_ = old;
        }
        ::setenv("APPDATA", folder.c_str(), 1);
    }
    ~ScopedAppData() { old_ ? ::setenv("APPDATA", old_->c_str(), 1) : ::unsetenv("APPDATA"); }

private:
    std::optional<std::string> old_;
};

class UserChoicesTest : public ::testing::Test {
protected:
    TempFolder temp;
    ScopedAppData appData{temp.path()};
};

TEST_F(UserChoicesTest, PerUserCopyLiesUnderTheInstallFolderName) {
    EXPECT_EQ(PerUserConfigPath("Sonvair"), temp.path() + "/Sonvair/AudioConfig.cfg");
}

TEST_F(UserChoicesTest, ExistingCopyIsReadAndWritten) {
    temp.write("Sonvair/AudioConfig.cfg", "[Language]\r\nDefaultLanguage=Deutsch\r\n[Skin]\r\nDefaultSkin=" +
                                              std::string(140, 's') + "\r\n");
    std::string language, skin;
    LoadUserChoices("Sonvair", language, skin);
    EXPECT_EQ(language, "Deutsch");
    EXPECT_EQ(skin, std::string(127, 's'));

    SaveUserChoices("Sonvair", "Français", "Dark");
    language = skin = "";
    LoadUserChoices("Sonvair", language, skin);
    EXPECT_EQ(language, "Français");
    EXPECT_EQ(skin, "Dark");
    EXPECT_EQ(temp.read("Sonvair/AudioConfig.cfg"),
              "[Language]\r\nDefaultLanguage=Français\r\n[Skin]\r\nDefaultSkin=Dark\r\n");
}

TEST_F(UserChoicesTest, MissingCopyLeavesChoicesUnsaved) {
    std::string language = "English", skin = "Blue";
    LoadUserChoices("Sonvair", language, skin);
    EXPECT_EQ(language, "English");
    EXPECT_EQ(skin, "Blue");

    SaveUserChoices("Sonvair", "Deutsch", "Dark");
    EXPECT_FALSE(temp.exists("Sonvair/AudioConfig.cfg"));
    EXPECT_FALSE(temp.exists("Sonvair"));
    std::string nextRunLanguage, nextRunSkin;
    LoadUserChoices("Sonvair", nextRunLanguage, nextRunSkin);
    EXPECT_EQ(nextRunLanguage, "");
    EXPECT_EQ(nextRunSkin, "");
}

}  // namespace
