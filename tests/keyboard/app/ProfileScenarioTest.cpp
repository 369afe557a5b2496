// Profiles and lighting on the configurator's window, as a user meets them:
// the LIGHT lists, the profile tabs, Apply and the two resets, checked against
// the emulated keyboard's report log (order and pauses on the virtual clock)
// and the files on disk.
#include <filesystem>
#include <sstream>

#include "ScenarioFixture.h"
#include "keyboard/model/AppSettings.h"
#include "keyboard/model/MacroFiles.h"
#include "keyboard/model/ProfileFiles.h"

namespace {

struct Report {
    long ms = 0;
    std::string bytes;  // "set 0708..." or "get 07..."
};

// The report lines of a `dump keyboard` file, in order.
std::vector<Report> Reports(const std::string& dump) {
    std::vector<Report> reports;
    std::istringstream lines(dump);
    std::string word, ms, call, bytes;
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        if (words >> word >> ms >> call >> bytes && word == "report") {
            reports.push_back({std::stol(ms), call + " " + bytes});
        }
    }
    return reports;
}

// The reports of `after` that `before` did not have yet.
std::vector<Report> NewReports(const std::string& before, const std::string& after) {
    std::vector<Report> all = Reports(after);
    all.erase(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(Reports(before).size()));
    return all;
}

std::string Lighting(int profile, const char* values) {
    return std::string("set 07080") + std::to_string(profile) + "00" + values;
}

}  // namespace

class ProfileScenario : public ScenarioFixture {
protected:
    void SetUp() override {
        ScenarioFixture::SetUp();
        settings_ = std::make_unique<AppSettings>(Home());
        settings_->SetDefaults();
        profiles_ = std::make_unique<ProfileRecords>(*settings_);
        for (int slot = 0; slot < ProfileRecords::kCount; ++slot) {
            profiles_->ResetProfile(slot);
        }
    }

    // Writes config.ini and the five profiles as the test left them.
    void WriteFiles() {
        ASSERT_TRUE(settings_->SaveAppSettings());
        for (int slot = 0; slot < ProfileRecords::kCount; ++slot) {
            ASSERT_TRUE(profiles_->SaveProfile(slot));
        }
    }

    std::string ProfileFile(int slot) const {
        return folder.read("home/config/default" + std::to_string(slot) + ".psf");
    }
    std::string SettingsFile() const { return folder.read("home/config/config.ini"); }

    std::unique_ptr<AppSettings> settings_;
    std::unique_ptr<ProfileRecords> profiles_;
};

// Lighting edits of two profiles go out in profile order, each lighting report
// 15 ms after the one before, then the key map changed on PROFILE 1, then the
// profile report makes the shown profile the keyboard's, after the key map's
// longer pause; switching tabs sends and writes nothing.
TEST_F(ProfileScenario, ApplySendsThePendingLightingInProfileOrderThenTheShownProfile) {
    WriteFiles();
    const std::string before = ProfileFile(0) + ProfileFile(1) + SettingsFile();
    Run run = RunScript(R"(
click 2077
click 2050
expect "window visible=1 minimized=0 page=LIGHT profile=1"
click 2092
popup click "Neon"
expect "control 2092 group=5 visible=1 enabled=1 caption=\"Neon\""
click 2049
expect "page=LIGHT profile=0"
expect "control 2092 group=5 visible=1 enabled=1 caption=\"RGB Full\""
expect "settings CurrentProfile=\"0\""
click 2091
popup click "50%"
expect "pending 11000 00000"
click 2003
enter-dialog
click 2201
key F2
click 2010
expect "control 2201 group=2 visible=1 enabled=1 key=\"F1\" code=3B default=C0 changed=1"
expect "pending 11000 10000"
dump keyboard "before.txt"
click 2047
dump keyboard "after.txt"
expect "pending 00000 00000 00000 00000 00000 00000 00000 00000"
expect "keyboard current=0"
)");
    EXPECT_HELD(run);

    const auto sent = NewReports(folder.read("before.txt"), folder.read("after.txt"));
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[0].bytes, Lighting(0, "21144444"));  // 50% << 4 | RGB Full
    EXPECT_EQ(sent[1].bytes, Lighting(1, "4E144444"));  // 100% << 4 | Neon (14)
    // The key map of index 0: its key codes from byte 8, F2 (3B) on F1's index 17.
    ASSERT_EQ(sent[2].bytes.rfind("set 06B800", 0), 0u) << sent[2].bytes;
    EXPECT_EQ(sent[2].bytes.substr(4 + (8 + 17) * 2, 2), "3B");
    EXPECT_EQ(sent[3].bytes, "set 050300");
    EXPECT_EQ(sent[1].ms - sent[0].ms, 15);
    EXPECT_EQ(sent[2].ms - sent[1].ms, 15);
    EXPECT_EQ(sent[3].ms - sent[2].ms, 350);

    EXPECT_NE(ProfileFile(0) + ProfileFile(1) + SettingsFile(), before);
    EXPECT_NE(ProfileFile(1).find("LightMode=14\r\n"), std::string::npos);
    EXPECT_NE(ProfileFile(0).find("LightBrightness=2\r\n"), std::string::npos);
}

// A keyboard that is on none of its three profiles is not read at start, so
// the window keeps what the files say.
constexpr const char* kUnreadKeyboard = "keyboard-profile 7\nattach\n";

// A mode the lists do not have keeps the caption shown before and goes out in four bits.
TEST_F(ProfileScenario, AnOutOfRangeModeKeepsTheCaptionAndIsSentInFourBits) {
    profiles_->Record(1).SetSetting(kLightMode, "20");
    WriteFiles();
    Run run = RunScript(std::string(kUnreadKeyboard) + R"(
click 2077
click 2092
popup click "Blue Full"
click 2050
expect "control 2092 group=5 visible=1 enabled=1 caption=\"Blue Full\""
click 2091
popup click "75%"
dump keyboard "before.txt"
click 2047
dump keyboard "after.txt"
)",
                        {});
    EXPECT_HELD(run);
    const auto sent = NewReports(folder.read("before.txt"), folder.read("after.txt"));
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].bytes, Lighting(0, "4A144444"));
    EXPECT_EQ(sent[1].bytes, Lighting(1, "34144444"));  // 20 AND 15 = 4
    EXPECT_EQ(sent[2].bytes, "set 050301");
}

// The keyboard's own light keys change its current profile; nothing waits for
// Apply. A refresh keeps the profile the tabs chose, tab and all.
TEST_F(ProfileScenario, KeyboardLightingChangesAreShownAndNotPending) {
    Run run = RunScript(R"(
click 2077
event 7 2
expect "control 2091 group=5 visible=1 enabled=1 caption=\"50%\""
click 2050
event 6 14
expect "window visible=1 minimized=0 page=LIGHT profile=1"
expect "control 2050 group=1 visible=1 enabled=1 selected=1"
expect "control 2049 group=1 visible=1 enabled=1 selected=0"
expect "control 2092 group=5 visible=1 enabled=1 caption=\"RGB Full\""
click 2049
expect "control 2092 group=5 visible=1 enabled=1 caption=\"Neon\""
event 2 2
expect "control 2093 group=5 visible=1 enabled=1 caption=\"Fast\""
expect "pending 00000 00000 00000 00000 00000 00000 00000 00000"
expect "profile 0 ProfileName=\"Default1\" LightMode=\"14\" LightBrightness=\"2\" LightSpeed=\"2\""
)");
    EXPECT_HELD(run);
}

// The preview lights each area as the shown profile would: the rainbow of
// RGB Full, the area colours of User Define, nothing at 0%.
TEST_F(ProfileScenario, ThePreviewFollowsTheShownProfile) {
    ProfileRecord& userDefined = profiles_->Record(1);
    userDefined.SetSetting(kLightMode, "15");
    const char* colours[] = {"0", "1", "2", "3", "6"};  // Red, Purple, Blue, Cyan, White
    for (int area = 0; area < 5; ++area) {
        userDefined.SetSetting(kLightArea1Color + area, colours[area]);
    }
    WriteFiles();
    Run run = RunScript(R"(
click 2077
expect "control 2094 group=5 visible=1 enabled=1 mode=1 areas=FF283C-BE46FF,FF283C-BE46FF,"
click 2050
expect "mode=15 areas=FF283C-FF283C,BE46FF-BE46FF,3C64FF-3C64FF,28C8E6-28C8E6,F5F5F5-F5F5F5"
click 2091
popup click "0%"
expect "mode=15 areas=161C2C-161C2C,161C2C-161C2C,161C2C-161C2C,161C2C-161C2C,161C2C-161C2C"
click 2049
expect "mode=1 areas=FF283C-BE46FF"
)",
                        {});
    EXPECT_HELD(run);
}

// A list that closes without a choice releases its button and changes nothing;
// opening the same list again first closes the open one.
TEST_F(ProfileScenario, ListsCloseWithoutAChoice) {
    Run run = RunScript(R"(
click 2077
click 2093
click 2093
dump window "open.txt"
focus-away
expect-not "popup CLightSpeedPopup"
expect "control 2093 group=5 visible=1 enabled=1 caption=\"Normal\""
expect "pending 00000 00000"
)");
    EXPECT_HELD(run);
    const std::string open = folder.read("open.txt");
    EXPECT_EQ(open.find("popup CLightSpeedPopup kind=10"), open.rfind("popup CLightSpeedPopup kind=10"));
}

// Cancel on either confirmation: no report, every file as it was.
TEST_F(ProfileScenario, CancellingEitherResetChangesNothing) {
    profiles_->Record(0).SetSetting(kLightMode, "7");
    WriteFiles();
    Run first = RunScript("quit\n");  // lets the program write its default library
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const std::string files[] = {"config.ini",   "default0.psf", "default1.psf",        "default2.psf",
                                 "default3.psf", "default4.psf", "MacroLibraryFile.mlf"};
    std::vector<std::string> before;
    for (const auto& name : files) {
        before.push_back(folder.read("home/config/" + name));
    }
    Run run = RunScript(std::string(kUnreadKeyboard) + R"(
dump keyboard "before.txt"
expect-dialog "CFirmwareResetDlg" "165" CANCEL
click 2045
expect-dialog "CFirmwareResetDlg" "258" CANCEL
click 2076
dump keyboard "after.txt"
expect "LightMode=\"7\""
)",
                        {});
    EXPECT_HELD(run);
    EXPECT_TRUE(NewReports(folder.read("before.txt"), folder.read("after.txt")).empty());
    for (std::size_t i = 0; i < std::size(files); ++i) {
        EXPECT_EQ(folder.read("home/config/" + files[i]), before[i]) << files[i];
    }
}

// RESET CURRENT on PROFILE 3: its defaults in memory, on disk and on the
// keyboard, the launch paths kept, its pending rows cleared.
TEST_F(ProfileScenario, ResetCurrentRestoresTheShownProfileAndKeepsLaunchPaths) {
    for (int g = 0; g < 6; ++g) {
        profiles_->Record(2).GKey(g)->name = "Tool" + std::to_string(g);
        profiles_->Record(2).GKey(g)->launchPath = "/opt/tool" + std::to_string(g);
    }
    profiles_->Record(2).SetSetting(kLightMode, "9");
    WriteFiles();
    Run run = RunScript(R"(
click 2077
click 2051
click 2091
popup click "25%"
click 2050
click 2092
popup click "Neon"
click 2051
expect "pending 01100"
dump keyboard "before.txt"
expect-dialog "CFirmwareResetDlg" "165" OK
click 2045
dump keyboard "after.txt"
expect "profile 2 G3 name=\"CTRL+3\" function=060120 launch=\"/opt/tool2\""
expect "pending 01000 00000"
expect "control 2092 group=5 visible=1 enabled=1 caption=\"RGB Full\""
)");
    EXPECT_HELD(run);
    const auto sent = NewReports(folder.read("before.txt"), folder.read("after.txt"));
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].bytes, Lighting(2, "41144444"));
    EXPECT_EQ(sent[1].bytes.substr(0, 10), "set 06B802");
    EXPECT_EQ(sent[2].bytes, "set 050302");
    EXPECT_EQ(sent[1].ms - sent[0].ms, 15);
    EXPECT_EQ(sent[2].ms - sent[1].ms, 350);

    ProfileRecord expected;
    expected.ResetProfile(2);
    for (int g = 0; g < 6; ++g) {
        expected.GKey(g)->launchPath = "/opt/tool" + std::to_string(g);
    }
    EXPECT_EQ(ProfileFile(2), ProfileFileText(expected));
}

// RESET ALL: default settings and profiles everywhere, the keyboard back on
// profile 0, the RECORD page's macros gone from the library file.
TEST_F(ProfileScenario, ResetAllRestoresEverythingAndEmptiesTheMacroSet) {
    settings_->SetCurrentProfile(2);
    settings_->pairs[3].value = folder.file("elsewhere.psf");
    profiles_->Record(4).SetSetting(kLightSpeed, "0");
    WriteFiles();
    MacroLibrary library = MacroLibrary::Default();
    library.sets.front().AddMacro("First");
    library.sets.front().AddMacro("Second");
    ASSERT_TRUE(SaveMacroLibrary(library, Home()));
    Run run = RunScript(R"(
keyboard-profile 2
attach
click 2004
click 2077
click 2092
popup click "Neon"
dump keyboard "before.txt"
expect-dialog "CFirmwareResetDlg" "258" OK
click 2076
dump keyboard "after.txt"
expect "keyboard current=0"
expect "page=LIGHT profile=0"
expect "set 0 name=\"Keyboard Macro Set\" macros=0"
expect "pending 00000 00000 00000 00000 00000 00000 00000 00000"
)");
    EXPECT_HELD(run);

    AppSettings defaults(Home());
    defaults.SetDefaults();
    std::string expectedSettings = "[Setting]\r\n";
    for (const auto& pair : defaults.pairs) {
        expectedSettings += pair.key + "=" + pair.value + "\r\n";
    }
    EXPECT_EQ(SettingsFile(), expectedSettings);
    for (int slot = 0; slot < ProfileRecords::kCount; ++slot) {
        ProfileRecord expected;
        expected.ResetProfile(slot);
        EXPECT_EQ(ProfileFile(slot), ProfileFileText(expected)) << slot;
    }
    EXPECT_EQ(folder.read("home/config/MacroLibraryFile.mlf"), MacroLibraryText(MacroLibrary::Default()));

    const auto sent = NewReports(folder.read("before.txt"), folder.read("after.txt"));
    ASSERT_EQ(sent.size(), 11u);
    const char* onBoard[] = {"0", "1", "2", "3", "0"};  // p AND 3
    for (int p = 0; p < 5; ++p) {
        EXPECT_EQ(sent[2 * p].bytes, Lighting(std::stoi(onBoard[p]), "41144444")) << p;
        EXPECT_EQ(sent[2 * p + 1].bytes.substr(0, 10), std::string("set 06B80") + onBoard[p]) << p;
        EXPECT_EQ(sent[2 * p + 1].ms - sent[2 * p].ms, 15);
    }
    EXPECT_EQ(sent[10].bytes, "set 050300");
    EXPECT_EQ(sent[10].ms - sent[9].ms, 350);
}

// Without a keyboard, Apply still writes every file and clears every mark.
TEST_F(ProfileScenario, ApplyWithoutAKeyboardWritesTheFilesAndClearsTheMarks) {
    WriteFiles();
    Run run = RunScript(R"(
expect "link connected=0"
click 2077
click 2050
click 2093
popup click "Slow"
click 2049
click 2093
popup click "Fast"
click 2051
expect "pending 11000"
click 2046
expect "window visible=0"
expect "pending 00000 00000 00000 00000 00000 00000 00000 00000"
)",
                        {});
    EXPECT_HELD(run);
    EXPECT_NE(ProfileFile(0).find("LightSpeed=2\r\n"), std::string::npos);
    EXPECT_NE(ProfileFile(1).find("LightSpeed=0\r\n"), std::string::npos);
    EXPECT_NE(SettingsFile().find("CurrentProfile=2\r\n"), std::string::npos);
}

// A library that could not be written stays marked, and the next Apply writes it.
TEST_F(ProfileScenario, ALibraryThatCouldNotBeWrittenIsWrittenByTheNextApply) {
    WriteFiles();
    std::filesystem::create_directories(folder.file("home/config/MacroLibraryFile.mlf/in-the-way"));
    pid_t program = Start(R"(
expect "library sets=1 modified=0"
expect-dialog "CFirmwareResetDlg" "258" OK
click 2076
expect "library sets=1 modified=1"
touch "blocked"
wait-file "freed"
click 2047
expect "library sets=1 modified=0"
)",
                          {});
    ASSERT_TRUE(WaitForFile("blocked"));
    std::filesystem::remove_all(folder.file("home/config/MacroLibraryFile.mlf"));
    folder.write("freed", "");
    Run run = Finish(program);
    EXPECT_HELD(run);
    EXPECT_EQ(folder.read("home/config/MacroLibraryFile.mlf"), MacroLibraryText(MacroLibrary::Default()));
}
