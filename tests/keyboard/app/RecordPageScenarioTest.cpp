// The RECORD page as a user meets it: macros named, recorded from the keys of
// the whole desktop (the hook, on the virtual clock), deleted, exported and
// imported, and their lists scrolled.
#include <functional>
#include <string>
#include <vector>

#include "ScenarioFixture.h"
#include "keyboard/model/AppSettings.h"
#include "keyboard/model/MacroFiles.h"
#include "keyboard/model/ProfileFiles.h"

namespace {

// The centre of row `row` of the macro name list.
std::string NameRow(int row) {
    return "145," + std::to_string(204 + 20 * row + 10);
}

MacroKey MacroWithKeys(const std::string& name, int actions) {
    MacroKey macro;
    macro.name = name;
    for (int i = 0; i < actions; ++i) {
        macro.AppendAction(MacroAction::Key(static_cast<std::uint8_t>(0x41 + i / 2 % 26), i % 2 == 1));
    }
    macro.pairCount = static_cast<std::uint8_t>(actions);
    return macro;
}

// `count` key events of the hook: A pressed and released in turn, `gap` ms apart.
std::string KeyEvents(int count, int gap) {
    std::string lines;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && gap > 0) {
            lines += "advance " + std::to_string(gap) + "\n";
        }
        lines += std::string("key 0x41 ") + (i % 2 == 0 ? "down" : "up") + "\n";
    }
    return lines;
}

}  // namespace

class RecordPageScenario : public ScenarioFixture {
protected:
    bool WriteLibrary(const std::vector<MacroKey>& macros) {
        MacroLibrary library;
        library.AddSet(MacroLibrary::kDefaultSetName);
        library.GetSet(0)->macros = macros;
        return SaveMacroLibrary(library, Home());
    }

    // The default profiles, as `edit` leaves them.
    bool WriteProfiles(const std::function<void(ProfileRecords&)>& edit) {
        AppSettings settings(Home());
        settings.SetDefaults();
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

    std::optional<MacroLibrary> LibraryFile() {
        return ParseMacroLibrary(folder.read("home/config/MacroLibraryFile.mlf"));
    }
};

// With no macro chosen, each button that needs one says so and does nothing.
TEST_F(RecordPageScenario, ButtonsThatNeedAMacroSaySoWithoutOne) {
    Run run = RunScript(R"(
click 2004
expect "control 2109 group=3 visible=1 enabled=1 selection=-1"
expect-dialog "Attention!" "Please select the macro which to record!" OK
click 2113
expect "control 2113 group=3 visible=1 enabled=1 checked=0"
expect "hook started=0"
expect-dialog "Attention!" "Please select which Macro to export!" OK
click 2103
expect-dialog "Attention!" "Please select which Macro to import!" OK
click 2102
expect-dialog "Attention!" "Please select which Macro to delete!" OK
click 2101
expect-not "file-dialog"
)");
    EXPECT_HELD(run);
}

// Starting empties the macro before any key; while recording only the record
// button and the delay check can be used; a held key is one press and one
// release; a pause of a second or more costs a pair of its own.
TEST_F(RecordPageScenario, RecordingTakesTheHookKeysWithTheirDelays) {
    ASSERT_TRUE(WriteLibrary({MacroWithKeys("Thirty", 30), MacroWithKeys("Other", 2)}));
    Run run = RunScript(R"(
click 2004
expect "macro 0 0 name=\"Thirty\" actions=30"
click 2112
expect "control 2112 group=3 visible=1 enabled=1 checked=1"
click 2113
expect "macro 0 0 name=\"Thirty\" actions=0 loop=1/1 pairs=0"
expect "control 2113 group=3 visible=1 enabled=1 checked=1"
expect "control 2100 group=3 visible=1 enabled=0"
expect "control 2003 group=1 visible=1 enabled=0"
expect "control 2116 group=3 visible=1 enabled=0 position=0 page=11 total=0"
expect "hook started=1"
key 0x41 down
advance 50
key 0x41 down
advance 100
key 0x41 up
advance 2000
key 0xA2 down
advance 30
key 0x42
advance 20
key 0xA2 up
click 2113
expect "hook started=0"
expect "control 2100 group=3 visible=1 enabled=1"
expect "macro 0 0 name=\"Thirty\" actions=11 loop=1/1 pairs=7 steps=\"A Press|150ms|A Release|2000ms|Ctrl_L Press|30ms|B Press|0ms|B Release|20ms|Ctrl_L Release\""
expect "control 2116 group=3 visible=1 enabled=1 position=0 page=11 total=11"
key 0x43
expect "macro 0 0 name=\"Thirty\" actions=11"
)");
    EXPECT_HELD(run);
    auto library = LibraryFile();
    ASSERT_TRUE(library);
    const MacroKey& macro = library->GetSet(0)->macros[0];
    const std::vector<std::array<std::uint8_t, 4>> expected = {
        {0x41, 0x00, 0, 0}, {3, 0, 0, 150}, {0x41, 0x80, 0, 0}, {3, 0, 0x07, 0xD0},
        {0xA2, 0x00, 0, 0}, {3, 0, 0, 30},  {0x42, 0, 0, 0},    {3, 0, 0, 0},
        {0x42, 0x80, 0, 0}, {3, 0, 0, 20},  {0xA2, 0x80, 0, 0}};
    ASSERT_EQ(macro.actionCount, expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(macro.actions[i].bytes, expected[i]) << i;
    }
    EXPECT_EQ(macro.pairCount, 7);
    EXPECT_EQ(library->GetSet(0)->macros[1].actionCount, 2u);
}

// The keyboard holds 100 pairs: the key that would need more stops the
// recording, and the message says how it was recorded.
TEST_F(RecordPageScenario, AFullMacroStopsTheRecordingWithItsMessage) {
    ASSERT_TRUE(WriteLibrary({MacroWithKeys("Full", 0)}));
    const std::string fullCheck = R"(expect "control 2113 group=3 visible=1 enabled=1 checked=0"
expect "hook started=0"
expect "control 2100 group=3 visible=1 enabled=1"
)";
    Run run = RunScript("click 2004\nclick 2113\n" + KeyEvents(100, 0) +
                        R"(expect "macro 0 0 name=\"Full\" actions=100 loop=1/1 pairs=100"
expect-dialog "Attention!" "The number of action if full!" OK
key 0x42 down
)" + fullCheck + R"(expect "macro 0 0 name=\"Full\" actions=100"
click 2112
click 2113
)" + KeyEvents(100, 10) +
                        R"(expect "macro 0 0 name=\"Full\" actions=199 loop=1/1 pairs=100"
advance 10
expect-dialog "Attention!" "The Number of Action is full!" OK
key 0x42 down
)" + fullCheck + R"(click 2113
)" + KeyEvents(99, 10) +
                        R"(advance 2000
expect-dialog "Attention!" "The number of action is full!" OK
key 0x42 down
)" + fullCheck + R"(expect "macro 0 0 name=\"Full\" actions=197 loop=1/1 pairs=99"
)");
    EXPECT_HELD(run);
    auto library = LibraryFile();
    ASSERT_TRUE(library);
    EXPECT_EQ(library->GetSet(0)->macros[0].pairCount, 99);
}

// Enter or a press elsewhere commits a typed name by the library's rules and
// words; a press in the list is the list's own check, with its own words;
// DELETE throws the name away. The edit goes in every case.
TEST_F(RecordPageScenario, TypedNamesAreCheckedByWhoCommitsThem) {
    Run run = RunScript(R"(
click 2004
click 2100
type "Twelve chars"
expect "control 2109 group=3 visible=1 enabled=1 selection=-1 first=0 edit=\"Twelve chars\""
keystroke ENTER
expect "macro 0 0 name=\"Twelve chars\" actions=0"
click 2100
type "Second"
click 2047
expect "macro 0 1 name=\"Second\""
click 2100
type "Thirteen char"
expect-dialog "Attention!" "The lengh of name exceed 12" OK
keystroke ENTER
expect-not "edit=\""
click 2100
type "Second"
expect-dialog "Attention!" "The macro is existen" OK
click 2047
expect-not "edit=\""
click 2100
type "Thirteen char"
expect-dialog "Attention!" "The lengh of name is exceed 12,please new it again!" OK
click 2109
expect-not "edit=\""
click 2100
type "Second"
expect-dialog "Attention!" "The Macro is existent,please rename it!" OK
click 2109
click 2100
type "Thrown away"
expect-dialog "Attention!" "Please select which Macro to delete!" OK
click 2101
expect-not "Thrown away"
expect "set 0 name=\"Keyboard Macro Set\" macros=2"
)");
    EXPECT_HELD(run);
    auto library = LibraryFile();
    ASSERT_TRUE(library);
    ASSERT_EQ(library->GetSet(0)->macros.size(), 2u);
    EXPECT_EQ(library->GetSet(0)->macros[1].name, "Second");
}

// A macro a G key of profile 3 plays stays; one nobody plays goes.
TEST_F(RecordPageScenario, DeleteRefusesAMacroAGKeyPlays) {
    ASSERT_TRUE(WriteLibrary({MacroWithKeys("Played", 4), MacroWithKeys("Free", 2)}));
    ASSERT_TRUE(WriteProfiles([](ProfileRecords& profiles) {
        profiles.Record(2).SetGKey(1, "Played", KeyFunction{0x01, 0, 0}, "");
    }));
    Run run = RunScript(R"(
click 2004
expect-dialog "Attention!" "The Macro which want to delete is using,can't delete it!" OK
click 2101
expect "macro 0 0 name=\"Played\""
click )" + NameRow(1) + R"(
click 2101
expect "set 0 name=\"Keyboard Macro Set\" macros=1"
expect "control 2109 group=3 visible=1 enabled=1 selection=-1"
)",
                        {});  // no keyboard: its own G keys would replace the profiles'
    EXPECT_HELD(run);
    auto library = LibraryFile();
    ASSERT_TRUE(library);
    ASSERT_EQ(library->GetSet(0)->macros.size(), 1u);
    EXPECT_EQ(library->GetSet(0)->macros[0].name, "Played");
}

// A macro exported and imported into another gives it the same actions and
// loop; the target keeps its name. A broken file changes nothing.
TEST_F(RecordPageScenario, ExportThenImportCarriesActionsAndLoop) {
    MacroKey source = MacroWithKeys("Source", 6);
    source.loopEnable = 0;
    source.loopCount = 7;
    ASSERT_TRUE(WriteLibrary({source, MacroWithKeys("Target", 2)}));
    folder.write("broken.mkf", "[MacroKey]\n");
    Run run = RunScript(R"(
click 2004
file-dialog "source.mkf"
click 2103
expect "file-dialog mode=save title=\"Save Macro Key as...\" filter=\"mkf file(*.mkf)|*.mkf||\" extension=\"mkf\""
click )" + NameRow(1) + R"(
file-dialog "source.mkf"
click 2102
expect "file-dialog mode=open title=\"Load Macro Key from...\" filter=\"mkf file(*.mkf)|*.mkf||\" extension=\"mkf\""
expect "macro 0 1 name=\"Target\" actions=6 loop=0/7 pairs=6 steps=\"A Press|A Release|B Press|B Release|C Press|C Release\""
expect "edit 2110 visible=1 text=\"7\""
expect "control 2111 group=3 visible=1 enabled=1 checked=0"
expect "control 2116 group=3 visible=1 enabled=1 position=0 page=11 total=6"
file-dialog "broken.mkf"
expect-dialog "Attention!" "The Import file is error!" OK
click 2102
expect "macro 0 1 name=\"Target\" actions=6 loop=0/7"
)");
    EXPECT_HELD(run);
    auto library = LibraryFile();
    ASSERT_TRUE(library);
    const MacroKey& target = library->GetSet(0)->macros[1];
    EXPECT_EQ(target.name, "Target");
    EXPECT_EQ(target.actions, source.actions);
    EXPECT_EQ(target.loopEnable, 0u);
    EXPECT_EQ(target.loopCount, 7);
}

// The loop edit takes 1..255 as it is typed; anything else is put back to 1
// with the range.
TEST_F(RecordPageScenario, LoopEditAndCheckChangeTheChosenMacro) {
    ASSERT_TRUE(WriteLibrary({MacroWithKeys("Looped", 2)}));
    Run run = RunScript(R"(
click 2004
click 727,373
type "25"
expect "macro 0 0 name=\"Looped\" actions=2 loop=1/125"
expect-dialog "Attention!" "The range of loop times is 1~255" OK
type "6"
expect "macro 0 0 name=\"Looped\" actions=2 loop=1/1"
expect "edit 2110 visible=1 text=\"1\""
click 2111
expect "macro 0 0 name=\"Looped\" actions=2 loop=0/1"
expect "library sets=1 modified=1"
)");
    EXPECT_HELD(run);
}

// Thirty actions in eleven rows: the wheel and the arrows move a line, the
// track a page less one, the thumb where it is dragged.
TEST_F(RecordPageScenario, WheelAndScrollBarsMoveTheListsByTheirSteps) {
    std::vector<MacroKey> macros = {MacroWithKeys("Long", 30)};
    for (int i = 1; i < 15; ++i) {
        macros.push_back(MacroWithKeys("Macro " + std::to_string(i), 2));
    }
    ASSERT_TRUE(WriteLibrary(macros));
    const auto at = [](int position) {
        return "expect \"control 2114 group=3 visible=1 enabled=1 selection=-1 first=" +
               std::to_string(position) +
               "\"\nexpect \"control 2116 group=3 visible=1 enabled=1 position=" + std::to_string(position) +
               " page=11 total=30\"\n" + "advance 1000\n";  // the next press is no double click
    };
    Run run = RunScript("click 2004\n" + at(0) + "wheel 2114 -1\n" + at(1) + "wheel 2114 1\n" + at(0) +
                        "wheel 2114 1\n" + at(0) + "click 528,416\n" + at(1) + "click 528,210\n" + at(0) +
                        "click 528,380\n" + at(10) + "click 528,380\n" + at(19) + "click 528,416\n" + at(19) +
                        "click 528,300\n" + at(9) + "press 528,300\nmove 528,330\n" + at(13) +
                        "release 528,330\n" + at(13) + R"(wheel 2109 -1
expect "control 2109 group=3 visible=1 enabled=1 selection=0 first=1"
expect "control 2115 group=3 visible=1 enabled=1 position=1 page=11 total=15"
click 258,416
expect "control 2115 group=3 visible=1 enabled=1 position=2 page=11 total=15"
expect "control 2109 group=3 visible=1 enabled=1 selection=0 first=2"
)");
    EXPECT_HELD(run);
}

// A macro the keyboard recorded on a G key shows in the list at once.
TEST_F(RecordPageScenario, AMacroRecordedOnTheKeyboardJoinsTheList) {
    Run run = RunScript(R"(
click 2004
keyboard-macro 2 "040001020485"
wait 500
expect "set 0 name=\"Keyboard Macro Set\" macros=1"
expect "control 2115 group=3 visible=1 enabled=1 position=0 page=11 total=1"
)");
    EXPECT_HELD(run);
}
