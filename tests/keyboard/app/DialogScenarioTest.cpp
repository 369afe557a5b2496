// The key-map and shortcut dialogs as the window opens them, driven by a
// script inside them: what they show, what they capture and what the window
// does with their answer.
#include "ScenarioFixture.h"

namespace {

class DialogScenario : public ScenarioFixture {};

// The A key (button 59): its dialog offers A; a right Ctrl pressed anywhere
// is captured as its physical key; then, with the mouse option, a mouse
// function from the chooser.
TEST_F(DialogScenario, KeyMapDialogCapturesAKeyOrTakesAMouseFunction) {
    Run run = RunScript(R"(
enter-dialog
click 2259
expect "dialog keymap current=04 keyChoice=04 mouseChoice=D0"
expect "control 2015 visible=1 enabled=1 group=1 text=\"A\""
expect "control 2013 visible=1 enabled=1 group=1 selected=1"
key 0xA3
expect "control 2017 visible=1 enabled=1 group=1 text=\"Ctrl_R\""
click 2010
expect-not "dialog keymap"
expect "control 2259 group=2 visible=1 enabled=1 key=\"A\" code=E4 default=04 changed=1"
enter-dialog
click 2259
expect "dialog keymap current=E4"
click 2014
expect "control 2014 visible=1 enabled=1 group=1 selected=1"
click 2012
expect "control 2012 visible=1 enabled=1 group=1 caption="
expect "open=1"
popup click "Fire"
expect "mouseChoice=D6"
screenshot "shots/keymap.png"
click 2010
expect "control 2259 group=2 visible=1 enabled=1 key=\"A\" code=D6 default=04 changed=1"
)");
    EXPECT_HELD(run);
    EXPECT_TRUE(folder.exists("shots/keymap.png"));
}

// Ctrl and Alt ticked, then 1 pressed: the combination goes to G1 (2078); a
// cancelled second dialog leaves it so.
TEST_F(DialogScenario, ShortcutDialogSendsTheCombination) {
    Run run = RunScript(R"(
click 2005
click 2078
enter-dialog
popup click "Assign a Shortcut"
click 2006
click 2007
key 1
expect "dialog shortcut text=\"1\" usage=1E"
screenshot "shots/shortcut.png"
click 2010
expect "control 2078 group=4 visible=1 enabled=1 caption=\"Ctrl+Alt+1\" open=0"
click 2078
enter-dialog
popup click "Assign a Shortcut"
click 2011
expect-not "dialog shortcut"
expect "control 2078 group=4 visible=1 enabled=1 caption=\"Ctrl+Alt+1\" open=0"
)");
    EXPECT_HELD(run);
    EXPECT_TRUE(folder.exists("shots/shortcut.png"));
}

}  // namespace
