// The key-map and shortcut dialogs opened and driven by a script.
#include "ScenarioFixture.h"

namespace {

class DialogScenario : public ScenarioFixture {};

TEST_F(DialogScenario, KeyMapDialogCapturesAKeyOrTakesAMouseFunction) {
    Run run = RunScript(R"(
open-dialog keymap 59
expect "dialog keymap current=04 keyChoice=04 mouseChoice=D0"
expect "dialog control 2015 visible=1 enabled=1 text=\"A\""
expect "dialog control 2013 visible=1 enabled=1 selected=1"
key 0xA3
expect "dialog control 2017 visible=1 enabled=1 text=\"Ctrl_R\""
click 2010
expect "result 1066 key=2259 code=E4"
expect-not "dialog keymap"
open-dialog keymap 2259 0xD5
expect "dialog control 2012 visible=1 enabled=1 caption=\"Double-click\" open=0"
click 2012
expect "dialog control 2012 visible=1 enabled=1 caption=\"Double-click\" open=1"
popup click "Fire"
expect "dialog keymap current=D5 keyChoice=04 mouseChoice=D6"
screenshot "shots/keymap.png"
click 2010
expect "result 1066 key=2259 code=D6"
)");
    EXPECT_HELD(run);
    EXPECT_TRUE(folder.exists("shots/keymap.png"));
}

TEST_F(DialogScenario, ShortcutDialogSendsTheCombination) {
    Run run = RunScript(R"(
open-dialog shortcut
click 2006
click 2007
key 1
expect "dialog shortcut text=\"1\" usage=1E"
screenshot "shots/shortcut.png"
click 2010
expect "result 1036 function=06051E name=\"Ctrl+Alt+1\""
open-dialog shortcut
click 2011
expect-not "result 1036 function=0600"
)");
    EXPECT_HELD(run);
    EXPECT_TRUE(folder.exists("shots/shortcut.png"));
}

// A dialog left open cannot end the program: the run fails and still ends.
TEST_F(DialogScenario, WrongDialogLinesNameTheirLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"open-dialog keymap 104\n", ":1: open-dialog: a key button 0..103 (or its id 2200..2303) is needed"},
        {"open-dialog 2259\n", ":1: open-dialog: keymap KEY [CODE] or shortcut expected"},
        {"open-dialog shortcut\nquit\n", ":2: quit: a dialog is open"},
    };
    for (const auto& [script, message] : cases) {
        Run run = RunScript(script);
        EXPECT_EQ(run.exitCode, 1) << script;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}

}  // namespace
