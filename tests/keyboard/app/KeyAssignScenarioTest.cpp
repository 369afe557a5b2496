// Giving keys and G keys new functions on the KEY MAP and MACRO pages, as a
// user does it: the change shows at once, stays in the profile and waits for
// Apply; the keyboard hears nothing of it.
#include "ScenarioFixture.h"
#include "keyboard/model/AppSettings.h"
#include "keyboard/model/MacroFiles.h"
#include "keyboard/model/ProfileFiles.h"
#include "keyboard/resources/MainWindowLayout.h"

namespace {

// Key maps (0x06) and macros (0x08) are written by Apply only.
constexpr const char* kNothingSent = R"(expect-not " set 06"
expect-not " set 08"
)";

class KeyAssignScenario : public ScenarioFixture {
protected:
    // The five profiles as `edit` leaves the defaults, and a library whose
    // first set holds these macros.
    void WriteFiles(const std::function<void(ProfileRecords&)>& edit, const std::vector<std::string>& macros) {
        AppSettings settings(Home());
        settings.SetDefaults();
        ProfileRecords profiles(settings);
        for (int slot = 0; slot < ProfileRecords::kCount; ++slot) {
            profiles.ResetProfile(slot);
        }
        edit(profiles);
        ASSERT_TRUE(settings.SaveAppSettings());
        for (int slot = 0; slot < ProfileRecords::kCount; ++slot) {
            ASSERT_TRUE(profiles.SaveProfile(slot));
        }
        MacroLibrary library = MacroLibrary::Default();
        for (const std::string& name : macros) {
            library.GetSet(0)->AddMacro(name).AppendAction(MacroAction::Key('A', false));
        }
        ASSERT_TRUE(SaveMacroLibrary(library, Home()));
    }
};

// F1 (usage 0x3A) given back to the F1 key is its key-own code and no change;
// F2 on it is a change. Apply sends them; until then the keyboard hears nothing.
TEST_F(KeyAssignScenario, AKeyTakesTheCodeTheDialogReports) {
    Run run = RunScript(std::string(R"(
enter-dialog
click 2201
expect "dialog keymap current=C0 keyChoice=C0"
key F1
click 2010
expect "control 2201 group=2 visible=1 enabled=1 key=\"F1\" code=C0 default=C0 changed=0"
expect "pending 00000 10000 00000"
enter-dialog
click 2201
key F2
click 2010
expect "control 2201 group=2 visible=1 enabled=1 key=\"F1\" code=3B default=C0 changed=1"
enter-dialog
click 2259
key ESC
click 2010
expect "control 2259 group=2 visible=1 enabled=1 key=\"A\" code=29 default=04 changed=1"
enter-dialog
click 2200
key ESC
click 2010
expect "control 2200 group=2 visible=1 enabled=1 key=\"Esc\" code=F5 default=F5 changed=0"
leave
screenshot "shots/keymap-changed.png"
)") + kNothingSent +
                        R"(dump model
)");
    EXPECT_HELD(run);
    // Index 17 holds F1's key, index 48 the A key (ASCII hex of the dump).
    const std::string keymap = run.out.substr(run.out.rfind("profile 0 keymap=") + 17, 320);
    EXPECT_EQ(keymap.substr(17 * 2, 2), "3B");
    EXPECT_EQ(keymap.substr(48 * 2, 2), "29");
    EXPECT_EQ(keymap.substr(38 * 2, 2), "F5");
    EXPECT_TRUE(folder.exists("shots/keymap-changed.png"));
}

// Each item of the menu and of its lists, on the slot it was opened for.
TEST_F(KeyAssignScenario, EveryMenuChoiceGoesIntoItsSlot) {
    WriteFiles([](ProfileRecords&) {}, {"Combo", "Burst"});
    folder.write("tools/run.exe", "");
    Run run = RunScript(std::string(R"(
click 2005
click 2079
expect "control 2079 group=4 visible=1 enabled=1 caption=\"CTRL+2\" open=1"
expect "popup CComboPopup kind=0"
expect "control=2079 notify=1027"
popup hover "Multimedia"
expect "popup CProfilePopup kind=1"
popup click "Volume+"
expect "control 2079 group=4 visible=1 enabled=1 caption=\"Volume+\" open=0"
expect "profile 0 G2 name=\"Volume+\" function=02A100 launch=\"\""
expect-not "popup CComboPopup"
expect-not "popup CProfilePopup"
click 2080
popup hover "Window Manage"
popup click "Calculator"
expect "profile 0 G3 name=\"Calculator\" function=02B100"
click 2080
popup click "Default Function"
expect "profile 0 G3 name=\"CTRL+3\" function=060120 launch=\"\""
expect "control 2080 group=4 visible=1 enabled=1 caption=\"CTRL+3\" open=0"
click 2080
popup hover "Mouse Function"
popup click "Double-click"
expect "profile 0 G3 name=\"Double-click\" function=040000"
click 2080
popup click "No Function"
expect "profile 0 G3 name=\"No Function\" function=000000"
expect "pending 00000 10000 00000 00000 00000 00000 00000 00000"
click 2082
popup hover "Assign a Macro"
expect "popup CMacroLibraryPopup item=\"Burst\""
popup click "Burst"
expect "profile 0 G5 name=\"Burst\" function=010000"
expect "pending 00000 10000 00000 00000 00000 00000 10000 00000"
click 2078
enter-dialog
popup click "Assign a Shortcut"
click 2006
click 2007
key 1
click 2010
expect "profile 0 G1 name=\"Ctrl+Alt+1\" function=06051E launch=\"\""
expect "control 2078 group=4 visible=1 enabled=1 caption=\"Ctrl+Alt+1\" open=0"
click 2081
enter-dialog
popup click "Quick Launch"
file-dialog "tools/run.exe"
click 2012
click 2010
expect "profile 0 G4 name=\"run.exe\" function=070000 launch=\")" +
                                    folder.file("tools/run.exe") + R"(\""
expect "control 2081 group=4 visible=1 enabled=1 caption=\"run.exe\" open=0"
expect "profile 0 G6 name=\"CTRL+6\" function=060123"
expect "profile 1 G1 name=\"CTRL+1\""
)") + kNothingSent);
    EXPECT_HELD(run);
}

// The menu of one button replaces that of another; a list opens only once
// and moving to an item without a list closes it; the lists sit beside the
// menu, the menu at the button's bottom-left corner.
TEST_F(KeyAssignScenario, TheMenuAndItsListsOpenWhereTheyBelong) {
    Run run = RunScript(R"(
click 2005
click 2078
click 2081
expect "control 2078 group=4 visible=1 enabled=1 caption=\"CTRL+1\" open=0"
expect "control 2081 group=4 visible=1 enabled=1 caption=\"CTRL+4\" open=1"
expect "popup CComboPopup kind=0 at="
expect "control=2081 notify=1027"
expect-not "control=2078 notify=1027"
popup hover "Multimedia"
popup hover "Multimedia"
popup hover "Window Manage"
expect "popup CDPIPopup kind=2"
expect-not "popup CProfilePopup kind=1"
popup hover "Mouse Function"
expect "popup CMultimediaPopup kind=3"
expect "size=158x"
screenshot "shots/macro-menu.png"
dump window
popup hover "Quick Launch"
expect-not "popup CMultimediaPopup kind=3"
expect "popup CComboPopup kind=0"
)");
    EXPECT_HELD(run);
    EXPECT_TRUE(folder.exists("shots/macro-menu.png"));
    const layout::LayoutRect g4 = layout::kGKeyCombos[3].rect;
    const std::string menu = "client=" + std::to_string(g4.left) + "," + std::to_string(g4.bottom) +
                             " size=169x134 control=2081 notify=1027";
    EXPECT_NE(run.out.find(menu), std::string::npos) << run.out;
    // Beside the menu, level with "Mouse Function", the fourth item.
    const std::string list = "client=" + std::to_string(g4.left + 169) + "," + std::to_string(g4.bottom + 3 + 3 * 16) +
                             " size=158x118 control=2081 notify=1044";
    EXPECT_NE(run.out.find(list), std::string::npos) << run.out;
}

// Every way out without a choice leaves the profile, the captions and the
// pending writes as they were, and closes what was open.
TEST_F(KeyAssignScenario, CancellingOrDismissingChangesNothing) {
    folder.write("tools/run.exe", "");
    Run run = RunScript(std::string(R"(
enter-dialog
click 2201
key F2
click 2011
enter-dialog
click 2202
click 2004
click 2005
click 2078
click 2005
expect-not "popup CComboPopup"
expect "control 2078 group=4 visible=1 enabled=1 caption=\"CTRL+1\" open=0"
click 2079
popup hover "Multimedia"
click 2005
expect-not "popup CProfilePopup"
expect-not "popup CComboPopup"
expect "control 2079 group=4 visible=1 enabled=1 caption=\"CTRL+2\" open=0"
click 2080
popup hover "Assign a Macro"
expect "popup CMacroLibraryPopup item=\"\" value=0 hot=0 separator=1"
click 2005
expect-not "popup CMacroLibraryPopup"
click 2081
enter-dialog
popup click "Assign a Shortcut"
click 2006
key 1
click 2011
click 2081
enter-dialog
popup click "Quick Launch"
click 2010
click 2082
enter-dialog
popup click "Quick Launch"
file-dialog "tools/run.exe"
click 2012
click 2011
expect "pending 00000 00000 00000 00000 00000 00000 00000 00000"
expect "profile 0 G4 name=\"CTRL+4\" function=060121 launch=\"\""
expect "profile 0 G5 name=\"CTRL+5\" function=060122 launch=\"\""
expect "control 2201 group=2 visible=0 enabled=1 key=\"F1\" code=C0 default=C0 changed=0"
expect-not "open=1"
expect-not "popup C"
)") + kNothingSent);
    EXPECT_HELD(run);
}

// The sixth slot is kept and sent but has no button.
TEST_F(KeyAssignScenario, OnlySlotsOneToFiveAreShown) {
    WriteFiles(
        [](ProfileRecords& profiles) {
            profiles.Record(0).SetGKey(5, "Fire", {0x05, 0, 0}, "");
            profiles.Record(0).SetGKey(4, "Five", {0x00, 0, 0}, "");
        },
        {});
    Run run = RunScript(R"(
click 2005
expect "control 2082 group=4 visible=1 enabled=1 caption=\"Five\""
expect "control 2078 group=4 visible=1 enabled=1 caption=\"CTRL+1\""
expect "profile 0 G6 name=\"Fire\" function=050000"
expect-not "caption=\"Fire\""
)",
                        {});
    EXPECT_HELD(run);
}

}  // namespace
