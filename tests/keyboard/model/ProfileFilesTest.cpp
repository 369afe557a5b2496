#include <gtest/gtest.h>

#include "keyboard/model/ProfileFiles.h"
#include "platform/core/AtomicFile.h"
#include "support/TempFolder.h"

namespace {

const char* kDefaultKeyMapHex =
    "1DF081A4E6A5828306F200A1A2ADE4AE09C0C4A898ABACA8E118C5C1992 89ABC"
    "E00E139B9C9DF5AF2C0C87EFA98B8A8804C312B1649091B92B35C61CEB2433E7"
    "162DC7362F25E811072EC800302634BBEE2ACA46EAE90B37080FCB4748EC3238"
    "140DC9893127EDF3050000535F5C5900 19F40054605D5A6215230055615E5B63"
    "17C2005657855839 1BF1B0A6A3E5A0A7650ACCCECD10E2CF0000000000000000";

std::string DefaultKeyMapHex() {
    std::string hex;
    for (const char* c = kDefaultKeyMapHex; *c; ++c) {
        if (*c != ' ')
            hex += *c;
    }
    return hex;
}

const char* const kDefaultValues[] = {"1E", "1F", "20", "21", "22", "23"};

std::string DefaultProfileText(int slot) {
    std::string text = "[Setting]\r\nProfileName=Default" + std::to_string(slot + 1) +
                       "\r\nLightMode=1\r\nLightBrightness=4\r\nLightSpeed=1\r\n"
                       "LightArea1Color=4\r\nLightArea2Color=4\r\nLightArea3Color=4\r\n"
                       "LightArea4Color=4\r\nLightArea5Color=4\r\n"
                       "AllRCKey=" +
                       DefaultKeyMapHex() + "\r\n";
    for (int i = 0; i < 6; ++i) {
        std::string n = std::to_string(i);
        text += "Key" + n + "Name=CTRL+" + std::to_string(i + 1) + "\r\n\tKey" + n + "Value=0601" +
                kDefaultValues[i] + "\r\n\tKey" + n + "URL=\r\n";
    }
    return text;
}

class ProfileFilesTest : public ::testing::Test {
protected:
    void SetUp() override { settings.LoadAppSettings(); }
    std::string File(int slot) const { return "config/default" + std::to_string(slot) + ".psf"; }
    // A valid file of slot 1 with one line replaced (0-based line number).
    std::string WithLine(std::size_t number, const std::string& line) const {
        std::string text = DefaultProfileText(1);
        std::size_t start = 0;
        for (std::size_t i = 0; i < number; ++i)
            start = text.find("\r\n", start) + 2;
        std::size_t end = text.find("\r\n", start);
        return text.substr(0, start) + line + text.substr(end);
    }

    TempFolder folder;
    AppSettings settings{folder.path()};
    ProfileRecords profiles{settings};
};

TEST_F(ProfileFilesTest, MissingFileBecomesTheDefaultProfileByteForByte) {
    EXPECT_FALSE(profiles.LoadProfile(1));
    EXPECT_EQ(folder.read(File(1)), DefaultProfileText(1));
    EXPECT_EQ(profiles.Record(1).Setting(kProfileName), "Default2");
    EXPECT_EQ(profiles.Record(1).keyMap, DefaultKeyMap());
}

TEST_F(ProfileFilesTest, SaveAndLoadGiveBackTheSameRecord) {
    profiles.LoadProfile(0);
    ProfileRecord& record = profiles.Record(0);
    record.SetSetting(kProfileName, "Raid night");
    record.SetNumericSetting(kLightMode, 12);
    record.keyMap[52] = 0xD3;
    record.SetGKey(2, "Volume+", KeyboardFunctionOf(0xA1), "");
    record.SetGKey(5, "calc.exe", QuickLaunchFunction(), "/usr/bin/calc.exe");
    ASSERT_TRUE(profiles.SaveProfile(0));

    ProfileRecords again(settings);
    EXPECT_TRUE(again.LoadProfile(0));
    EXPECT_EQ(again.Record(0), record);
    EXPECT_EQ(again.Record(0).NumericSetting(kLightMode), 12);
}

TEST_F(ProfileFilesTest, LinesThatBreakTheFormatResetTheWholeFile) {
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {
        {"lower-case header", WithLine(0, "[setting]")},
        {"setting without key", WithLine(2, "=5")},
        {"setting without =", WithLine(2, "LightMode")},
        {"318 key digits", WithLine(10, "AllRCKey=" + DefaultKeyMapHex().substr(2))},
        {"322 key digits", WithLine(10, "AllRCKey=" + DefaultKeyMapHex() + "00")},
        {"cut after Key3URL", DefaultProfileText(1).substr(0, DefaultProfileText(1).find("Key4Name"))},
        {"slot line without =", WithLine(12, "\tKey0Value 06011E")},
        {"empty file", ""},
    };
    for (const auto& c : cases) {
        folder.write(File(1), c.text);
        ProfileRecords fresh(settings);
        EXPECT_FALSE(fresh.LoadProfile(1)) << c.what;
        EXPECT_EQ(folder.read(File(1)), DefaultProfileText(1)) << c.what;
    }
}

TEST_F(ProfileFilesTest, LenientLinesAreAccepted) {
    struct Case {
        const char* what;
        std::string text;
        std::function<void(const ProfileRecord&)> check;
    } cases[] = {
        {"empty setting value", WithLine(2, "LightMode="),
         [](const ProfileRecord& r) { EXPECT_EQ(r.NumericSetting(kLightMode), 0); }},
        {"renamed setting key keeps its position", WithLine(2, "Mode=2"),
         [](const ProfileRecord& r) {
             EXPECT_EQ(r.settings[kLightMode].key, "Mode");
             EXPECT_EQ(r.NumericSetting(kLightMode), 2);
         }},
        {"another key before the key digits", WithLine(10, "Keys=" + DefaultKeyMapHex()),
         [](const ProfileRecord& r) { EXPECT_EQ(r.keyMap, DefaultKeyMap()); }},
        {"non-hex digits end a number", WithLine(10, "AllRCKey=G1" + DefaultKeyMapHex().substr(2)),
         [](const ProfileRecord& r) { EXPECT_EQ(r.keyMap[0], 0x00); }},
        {"one hex digit then a stray", WithLine(10, "AllRCKey=1Z" + DefaultKeyMapHex().substr(2)),
         [](const ProfileRecord& r) { EXPECT_EQ(r.keyMap[0], 0x01); }},
        {"LF line ends",
         [] {
             std::string text = DefaultProfileText(1), lf;
             for (char c : text)
                 if (c != '\r')
                     lf += c;
             return lf;
         }(),
         [](const ProfileRecord& r) { EXPECT_EQ(r.Setting(kProfileName), "Default2"); }},
        {"lines after the slots are not read", DefaultProfileText(1) + "garbage\r\n",
         [](const ProfileRecord& r) { EXPECT_EQ(r.GKey(5)->name, "CTRL+6"); }},
    };
    for (const auto& c : cases) {
        folder.write(File(1), c.text);
        ProfileRecords fresh(settings);
        EXPECT_TRUE(fresh.LoadProfile(1)) << c.what;
        c.check(fresh.Record(1));
    }
    // A renamed key is written back as it was read.
    folder.write(File(1), WithLine(2, "Mode=2"));
    profiles.LoadProfile(1);
    profiles.SaveProfile(1);
    EXPECT_EQ(folder.read(File(1)), WithLine(2, "Mode=2"));
}

TEST_F(ProfileFilesTest, ResetKeepsLaunchPathsAndSlotSixIsTheLast) {
    ProfileRecord& record = profiles.Record(3);
    record.SetGKey(0, "game", QuickLaunchFunction(), "/opt/game");
    profiles.ResetProfile(3);
    EXPECT_EQ(record.GKey(0)->launchPath, "/opt/game");
    EXPECT_EQ(record.GKey(0)->function, DefaultGKeyFunction(0));
    EXPECT_EQ(record.Setting(kProfileName), "Default4");
    EXPECT_EQ(record.GKey(6), nullptr);
}

TEST_F(ProfileFilesTest, UnwritablePathsFailWithoutTouchingTheRecordAndFailedWritesKeepTheOldFile) {
    settings.pairs[3].value = "";
    ProfileRecord& record = profiles.Record(2);
    profiles.LoadProfile(2);  // defaults in memory, nothing written
    EXPECT_EQ(record.Setting(kProfileName), "Default3");
    EXPECT_FALSE(profiles.SaveProfile(2));

    profiles.LoadProfile(0);
    const std::string before = folder.read(File(0));
    profiles.Record(0).SetSetting(kProfileName, "changed");
    core::failWritesAfterBytes(100);
    EXPECT_FALSE(profiles.SaveProfile(0));
    core::failWritesAfterBytes(std::nullopt);
    EXPECT_EQ(folder.read(File(0)), before);
}

}  // namespace
