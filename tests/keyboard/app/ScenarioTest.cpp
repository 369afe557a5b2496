// The configurator as a user meets it, driven through its scenario runner.
#include <csignal>
#include <cstdio>
#include <functional>
#include <sstream>

#include "ScenarioFixture.h"
#include "keyboard/model/AppSettings.h"
#include "keyboard/model/KeyButtons.h"
#include "keyboard/model/ProfileFiles.h"
#include "keyboard/resources/MainWindowIds.h"

namespace {

std::string KeyLine(int button, KeyMapCode code) {
    const KeyButton* key = KeyButtonAt(button);
    char text[160];
    std::snprintf(text, sizeof text,
                  "control %u group=2 visible=1 enabled=1 key=\"%s\" code=%02X default=%02X changed=%d",
                  ids::kFirstKeyButton + static_cast<unsigned>(button), key->label, code, key->defaultCode,
                  code != key->defaultCode);
    return text;
}

// A script line that expects `text` in the state, quotes escaped.
std::string Expect(const std::string& text) {
    std::string line = "expect \"";
    for (char c : text) {
        line += c == '"' ? std::string("\\\"") : std::string(1, c);
    }
    return line + "\"\n";
}

std::string LastLineStarting(const std::string& text, const std::string& start) {
    std::istringstream lines(text);
    std::string line, last;
    while (std::getline(lines, line)) {
        if (line.rfind(start, 0) == 0) {
            last = line;
        }
    }
    return last;
}

}  // namespace

class ConfiguratorScenario : public ScenarioFixture {
protected:
    // config.ini with this current profile, and the five default profiles as `edit` leaves them.
    bool WriteFiles(int currentProfile, const std::function<void(ProfileRecords&)>& edit) {
        AppSettings settings(Home());
        settings.SetDefaults();
        settings.SetCurrentProfile(currentProfile);
        ProfileRecords profiles(settings);
        for (int slot = 0; slot < ProfileRecords::kCount; ++slot) {
            profiles.ResetProfile(slot);
        }
        edit(profiles);
        bool saved = settings.SaveAppSettings();
        for (int slot = 0; slot < ProfileRecords::kCount; ++slot) {
            saved = profiles.SaveProfile(slot) && saved;
        }
        return saved;
    }
};

// CurrentProfile=2 in config.ini: the window opens on profile 3's files; a
// keyboard that arrives then tells which profile is really current.
TEST_F(ConfiguratorScenario, OpensOnTheSavedProfileUntilTheKeyboardTellsItsOwn) {
    ASSERT_TRUE(WriteFiles(2, [](ProfileRecords& profiles) {
        profiles.Record(2).GKey(0)->name = "Third profile G1";
        AssignButtonCode(profiles.Record(2).keyMap, 0, KeyButtonAt(1)->defaultCode);
    }));

    Run run = RunScript(R"(
expect "page=KEYMAP profile=2"
expect "control 2078 group=4 visible=0 enabled=1 caption=\"Third profile G1\""
)" + Expect(KeyLine(0, KeyButtonAt(1)->defaultCode)) +
                            R"(keyboard-profile 1
attach
expect "page=KEYMAP profile=1"
expect "settings CurrentProfile=\"1\""
expect "control 2078 group=4 visible=0 enabled=1 caption=\"CTRL+1\""
)" + Expect(KeyLine(0, KeyButtonAt(0)->defaultCode)) +
                            R"()",
                        {});
    EXPECT_HELD(run);
}

TEST_F(ConfiguratorScenario, CloseAndHideOnlyHideAndTheTrayBringsTheWindowBack) {
    Run run = RunScript(R"(
click 2001
expect "window visible=0"
expect "tray 381 tip=\"Quelda Keyboard\""
expect "link connected=1 listening=1"
tray double-click
expect "window visible=1 minimized=0"
click 2048
expect "window visible=0"
menu 2075
tray right-click
expect "window visible=1"
click 2002
expect "window visible=1 minimized=1"
tray double-click
expect "window visible=1 minimized=0"
menu dismiss
tray right-click
expect "window visible=1"
menu 2
tray right-click
expect "keyboard current=7"
)");
    EXPECT_HELD(run);
}

TEST_F(ConfiguratorScenario, SystemCloseEndsTheProgramAndTellsTheKeyboardLast) {
    Run run = RunScript(R"(
dump keyboard
close
dump keyboard
)");
    EXPECT_HELD(run);
    // The closing profile 7 goes out while the handle is still open, and nothing after it.
    const std::string last = LastLineStarting(run.out, "report ");
    EXPECT_NE(last.find(" set 050307"), std::string::npos) << last;
    EXPECT_EQ(last.find("refused"), std::string::npos) << last;
    EXPECT_NE(run.out.find("keyboard current=7"), std::string::npos);
}

TEST_F(ConfiguratorScenario, SecondStartSaysSoAndTheFirstComesOutOfTheTray) {
    pid_t first = Start(R"(
click 2001
expect "window visible=0"
touch "ready"
wait-file "done" 20000
wait 200
expect "window visible=1"
)");
    ASSERT_TRUE(WaitForFile("ready"));
    Run second = RunScript(R"(
expect-message "you had run one app!"
)",
                           {});
    EXPECT_HELD(second);
    folder.write("done", "");
    Run firstRun = Finish(first);
    EXPECT_HELD(firstRun);
}

TEST_F(ConfiguratorScenario, UnpluggingShowsTheDisconnectionOnce) {
    Run run = RunScript(R"(
expect "link connected=1"
expect-dialog "Attention!" "The keyboard is disconnection" OK
detach
wait 300
expect "link connected=0"
attach
expect "link connected=1"
expect-dialog "Attention!" "The keyboard is disconnection" OK
detach
)");
    EXPECT_HELD(run);
}

// A dialog entered takes the lines until it closes: its controls are found in
// front of the main window's (its close button carries the RECORD tab's id).
TEST_F(ConfiguratorScenario, LinesAfterEnterDialogActOnTheAttentionDialog) {
    Run run = RunScript(R"(
enter-dialog "Attention!"
detach
expect "dialog 1 title=\"Attention!\" text=\"The keyboard is disconnection\""
expect "dialog 1 control 2011 visible=1 enabled=1"
screenshot "shots/attention.png"
click 2004
expect-not "dialog 1"
expect "window visible=1 minimized=0 page=KEYMAP"
screenshot "shots/main.png"
)");
    EXPECT_HELD(run);
    EXPECT_TRUE(folder.exists("shots/attention.png"));
}

TEST_F(ConfiguratorScenario, ProfileKeyOnTheKeyboardSwitchesTheWindowAndPostsItsStatus) {
    Run run = RunScript(R"(
expect "profile=0"
profile-key 3
expect "page=KEYMAP profile=2"
expect "control 2051 group=1 visible=1 enabled=1 selected=1"
expect "status last=3"
)");
    EXPECT_HELD(run);
}

TEST_F(ConfiguratorScenario, WebLinkShowsTheHandAndOpensThePage) {
    Run run = RunScript(R"(
move 2060
expect "cursor=hand"
move 400,560
expect "cursor=arrow"
click 2060
expect "launch \"xdg-open\" \"file://"
)");
    EXPECT_HELD(run);
}

// Each page tab shows its own group and the loop edit only on RECORD; the
// small G tabs of the keyboard picture lead to the MACRO page.
TEST_F(ConfiguratorScenario, PageTabsShowTheirGroupsAndHideTheOthers) {
    struct Page {
        const char* click;
        const char* name;
        int group;
    };
    const Page pages[] = {{"2004", "RECORD", 3},  {"2077", "LIGHT", 5},  {"2003", "KEYMAP", 2},
                          {"2005#3", "MACRO", 4}, {"2003", "KEYMAP", 2}, {"2005", "MACRO", 4}};
    const char* representative[] = {nullptr, nullptr, "2200", "2100", "2078", "2092"};
    std::string script;
    for (const Page& page : pages) {
        script += std::string("click ") + page.click + "\n";
        script += std::string("expect \"page=") + page.name + " \"\n";
        for (int group = 2; group <= 5; ++group) {
            script += std::string("expect \"control ") + representative[group] +
                      " group=" + std::to_string(group) + " visible=" + (group == page.group ? "1" : "0") +
                      "\"\n";
        }
        script += std::string("expect \"edit 2110 visible=") + (page.group == 3 ? "1" : "0") + "\"\n";
        script += std::string("screenshot \"shots/") + page.name + ".png\"\n";
    }
    Run run = RunScript(script);
    EXPECT_HELD(run);
    for (const char* name : {"RECORD", "LIGHT", "KEYMAP", "MACRO"}) {
        EXPECT_TRUE(folder.exists(std::string("shots/") + name + ".png")) << name;
    }
}

// A logout or kill ends the program the way its Exit does.
TEST_F(ConfiguratorScenario, TerminationSignalClosesTheWindowAndTellsTheKeyboard) {
    pid_t child = Start(R"(
expect "window visible=1"
touch "ready"
wait-file "never" 20000
expect "keyboard current=7"
)");
    ASSERT_TRUE(WaitForFile("ready"));
    ::kill(child, SIGTERM);
    Run run = Finish(child);
    EXPECT_HELD(run);
}

// Lighting values outside their lists leave the caption as it was.
TEST_F(ConfiguratorScenario, LightingCaptionsShowOnlyValuesTheirListsHold) {
    ASSERT_TRUE(WriteFiles(3, [](ProfileRecords& profiles) {
        profiles.Record(3).SetSetting(kLightMode, "20");
        profiles.Record(3).SetSetting(kLightBrightness, "2");
        profiles.Record(3).SetSetting(kLightSpeed, "x");
    }));
    Run run = RunScript(R"(
click 2077
expect "control 2092 group=5 visible=1 enabled=1 caption=\"Disable\""
expect "control 2091 group=5 visible=1 enabled=1 caption=\"50%\""
expect "control 2093 group=5 visible=1 enabled=1 caption=\"Slow\""
screenshot "shots/light.png"
)",
                        {});
    EXPECT_HELD(run);
}

// The display counts five ticks of 1000 ms from the last text and goes on the
// sixth; a second text 3 s after the first keeps it up until about 6 s after it.
TEST_F(ConfiguratorScenario, StatusDisplayStaysAboutSixSecondsAfterTheLastText) {
    Run run = RunScript(R"(
expect "osd none"
status 1
expect "osd text=\"Current Profile:1\" countdown=5 visible=1 rect=1620,984,300,56 alpha=128 topmost=1 tool=1 activates=0 active=0"
expect "active=1"
screenshot "shots/osd.png" osd
screenshot "shots/screen.png" screen
advance 3000
expect "osd text=\"Current Profile:1\" countdown=2"
status 2
expect "osd text=\"Current Profile:2\" countdown=5"
advance 5900
expect "osd text=\"Current Profile:2\" countdown=0"
advance 200
expect "osd none"
expect "desktop shown=1 tray-icons=1"
)");
    EXPECT_HELD(run);
    EXPECT_TRUE(folder.exists("shots/osd.png"));
    EXPECT_TRUE(folder.exists("shots/screen.png"));
}

// Codes the keyboard has no text for neither open the display nor keep one up.
TEST_F(ConfiguratorScenario, StatusCodesWithoutATextShowNothing) {
    Run run = RunScript(R"(
status 0
expect "osd none"
status 8
expect "osd none"
expect "status last=8"
status 3
advance 2000
status 8
status 0
expect "osd text=\"Current Profile:3\" countdown=3"
)");
    EXPECT_HELD(run);
}

// The lock keys on the keyboard, through the link: value 0 locks, 1 unlocks.
TEST_F(ConfiguratorScenario, LockEventsShowTheLockAndUnlockTexts) {
    const struct {
        const char* event;
        const char* text;
    } cases[] = {
        {"3 0", "Windows Key Status:Disable"},
        {"3 1", "Windows Key Status:Enable"},
        {"9 0", "All Key Status:Disable"},
        {"9 1", "All Key Status:Enable"},
    };
    std::string script;
    for (const auto& c : cases) {
        script += std::string("event ") + c.event + "\n" + Expect(std::string("osd text=\"") + c.text + "\" countdown=5");
    }
    script += "profile-key 2\n" + Expect("osd text=\"Current Profile:2\" countdown=5");
    Run run = RunScript(script);
    EXPECT_HELD(run);
}

TEST_F(ConfiguratorScenario, TrayDoubleClickBringsAVisibleWindowToTheFront) {
    Run run = RunScript(R"(
focus-away
expect "window visible=1 minimized=0"
expect-not "cursor=arrow active=1"
tray double-click
expect "window visible=1 minimized=0"
expect "cursor=arrow active=1"
)");
    EXPECT_HELD(run);
}

// Exit with the display up: the keyboard hears profile 7 last, and nothing of
// the program is left on the desktop.
TEST_F(ConfiguratorScenario, ExitEndsTheProgramWithTheDisplayGone) {
    Run run = RunScript(R"(
status 5
expect "osd text=\"Windows Key Status:Enable\""
menu 2
tray right-click
expect "keyboard current=7"
expect "desktop shown=0 tray-icons=0"
dump keyboard
)");
    EXPECT_HELD(run);
    const std::string last = LastLineStarting(run.out, "report ");
    EXPECT_NE(last.find(" set 050307"), std::string::npos) << last;
}

// Started with --tray, as at login: hidden with its tray icon, until the icon brings it.
TEST_F(ConfiguratorScenario, TrayOptionStartsHiddenInTheTray) {
    Run run = RunScript(R"(
expect "window visible=0"
expect "tray 381 tip=\"Quelda Keyboard\""
expect "link connected=1 listening=1"
tray double-click
expect "window visible=1 minimized=0"
)",
                        {"--simulate", "--tray"});
    EXPECT_HELD(run);
}
