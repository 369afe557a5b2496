#include <gtest/gtest.h>

#include <filesystem>

#include "keyboard/model/AppSettings.h"
#include "keyboard/model/ProfileFiles.h"
#include "platform/core/AtomicFile.h"
#include "support/TempFolder.h"

namespace {

class AppSettingsTest : public ::testing::Test {
protected:
    std::string DefaultText() const {
        std::string text = "[Setting]\r\nCurrentProfile=0\r\n";
        for (int i = 0; i < 5; ++i) {
            std::string n = std::to_string(i);
            text += "ProfileSlot" + n + "URL=" + folder.path() + "/config/default" + n + ".psf\r\n";
        }
        return text;
    }
    TempFolder folder;
    AppSettings settings{folder.path()};
};

TEST_F(AppSettingsTest, MissingFileIsWrittenWithTheDefaultsByteForByte) {
    EXPECT_FALSE(settings.LoadAppSettings());
    EXPECT_EQ(folder.read("config/config.ini"), DefaultText());
    EXPECT_EQ(settings.CurrentProfile(), 0);
    EXPECT_EQ(settings.ProfileSlotPath(4), folder.path() + "/config/default4.psf");
}

TEST_F(AppSettingsTest, MalformedFilesAreReplacedByTheDefaults) {
    const std::string good = DefaultText();
    const char* bad[] = {
        "[setting]\r\nCurrentProfile=1\r\n",  // header case
        "[Setting]\r\nCurrentProfile=\r\n",   // empty value
        "[Setting]\r\n=1\r\n",                // no key
        "[Setting]\r\nCurrentProfile 1\r\n",  // no "="
        "",                                   // empty file
    };
    for (const char* text : bad) {
        folder.write("config/config.ini", text);
        AppSettings fresh(folder.path());
        EXPECT_FALSE(fresh.LoadAppSettings()) << text;
        EXPECT_EQ(folder.read("config/config.ini"), good) << text;
    }
    folder.write("config/config.ini", good + "Extra=1\r\n");  // a seventh pair
    EXPECT_FALSE(settings.LoadAppSettings());
    EXPECT_EQ(folder.read("config/config.ini"), good);
}

TEST_F(AppSettingsTest, ShortFilesAreAcceptedAndKeysAreKeptAsRead) {
    folder.write("config/config.ini", "[Setting]\nCurrent=2\nSlot0=/tmp/a.psf\n");
    ASSERT_TRUE(settings.LoadAppSettings());
    EXPECT_EQ(settings.CurrentProfile(), 2);
    EXPECT_EQ(settings.ProfileSlotPath(0), "/tmp/a.psf");
    EXPECT_EQ(settings.ProfileSlotPath(1), "");
    settings.SetCurrentProfile(1);
    ASSERT_TRUE(settings.SaveAppSettings());
    EXPECT_EQ(folder.read("config/config.ini"),
              "[Setting]\r\nCurrent=1\r\nSlot0=/tmp/a.psf\r\n=\r\n=\r\n=\r\n=\r\n");
}

TEST_F(AppSettingsTest, CurrentProfileReadsOnlyProfilesThatExist) {
    struct Case {
        const char* value;
        int profile;
    } cases[] = {{"2", 2}, {"4", 4}, {"x", 0}, {"3abc", 3}, {"5", 0}, {"-1", 0}, {"99999999999", 0}};
    for (const auto& c : cases) {
        settings.pairs[0].value = c.value;
        EXPECT_EQ(settings.CurrentProfile(), c.profile) << c.value;
    }
}

TEST_F(AppSettingsTest, PathsThatAreNotAbsoluteNameTheFileInTheConfigFolder) {
    struct Case {
        const char* stored;
        std::string used;
    } cases[] = {
        {"config\\default0.psf", folder.path() + "/config/default0.psf"},
        {"C:\\Program Files\\Quelda\\config\\default3.psf", folder.path() + "/config/default3.psf"},
        {"mine.psf", folder.path() + "/config/mine.psf"},
        {"/srv/profiles/mine.psf", "/srv/profiles/mine.psf"},
        {"C:\\config\\", ""},
    };
    settings.SetDefaults();
    for (const Case& c : cases) {
        settings.pairs[1].value = c.stored;
        EXPECT_EQ(settings.ProfileSlotPath(0), c.used) << c.stored;
        EXPECT_EQ(settings.pairs[1].value, c.stored);  // the stored text stays as it is
    }
}

TEST_F(AppSettingsTest, ACarriedOverDrivePathMakesNoFolderWhereTheProgramStarted) {
    settings.SetDefaults();
    settings.pairs[1].value = "C:\\Quelda\\config\\default0.psf";
    ProfileRecords profiles(settings);
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    profiles.LoadProfile(0);  // not there: written with defaults
    std::filesystem::current_path(started);
    EXPECT_TRUE(folder.exists("config/default0.psf"));
    EXPECT_FALSE(folder.exists("C:"));
}

TEST_F(AppSettingsTest, FailedSaveLeavesTheOldFile) {
    settings.LoadAppSettings();
    const std::string before = folder.read("config/config.ini");
    settings.SetCurrentProfile(3);
    core::failWritesAfterBytes(10);
    EXPECT_FALSE(settings.SaveAppSettings());
    core::failWritesAfterBytes(std::nullopt);
    EXPECT_EQ(folder.read("config/config.ini"), before);
}

}  // namespace
