#include <gtest/gtest.h>

#include "keyboard/model/MacroRecorder.h"
#include "keyboard/model/MacroRules.h"
#include "support/TempFolder.h"

namespace {

class MacroRecorderTest : public ::testing::Test {
protected:
    MacroKey macro;
    MacroRecorder recorder;
};

TEST_F(MacroRecorderTest, PausesCostOnePairUnderASecondAndTwoFromIt) {
    recorder.Start(macro, true);
    EXPECT_EQ(recorder.OnKey(0x41, false, 1000), MacroRecorder::Result::kRecorded);
    EXPECT_EQ(macro.pairCount, 1);
    recorder.OnKey(0x41, true, 1050);
    EXPECT_EQ(macro.pairCount, 2);
    recorder.OnKey(0x42, false, 3050);
    EXPECT_EQ(macro.pairCount, 4);
    ASSERT_EQ(macro.actionCount, 5u);
    EXPECT_EQ(macro.actions[1], MacroAction::Delay(50));
    EXPECT_EQ(macro.actions[3], MacroAction::Delay(2000));
    EXPECT_EQ(macro.actions[4], MacroAction::Key(0x42, false));
    EXPECT_TRUE(recorder.libraryModified);
}

TEST_F(MacroRecorderTest, RepeatsAndMouseButtonsAreIgnoredAndDelaysAreCapped) {
    recorder.Start(macro, true);
    recorder.OnKey(0x41, false, 0);
    EXPECT_EQ(recorder.OnKey(0x41, false, 30), MacroRecorder::Result::kIgnored);  // held down
    EXPECT_EQ(recorder.OnKey(0x41, false, 60), MacroRecorder::Result::kIgnored);
    EXPECT_EQ(recorder.OnKey(0x01, false, 70), MacroRecorder::Result::kIgnored);
    recorder.OnKey(0x41, true, 90);
    EXPECT_EQ(macro.actionCount, 3u);  // press, delay, release
    EXPECT_EQ(macro.actions[1], MacroAction::Delay(90));

    recorder.OnKey(0x42, false, 90 + 100000);
    EXPECT_EQ(macro.actions[3], MacroAction::Delay(65535));
}

TEST_F(MacroRecorderTest, TimeStampsWrapAtThirtyOneBits) {
    recorder.Start(macro, true);
    recorder.OnKey(0x41, false, 0x7FFFFFF0u);
    recorder.OnKey(0x41, true, 0x00000010u);
    EXPECT_EQ(macro.actions[1], MacroAction::Delay(0x20));
}

TEST_F(MacroRecorderTest, EachWayOfRunningFullHasItsOwnMessage) {
    struct Case {
        bool delays;
        std::uint32_t lastGap;
        MacroMessage message;
    } cases[] = {
        {false, 10, MacroMessage::kFullDelaysOff},
        {true, 10, MacroMessage::kFullShortDelay},
        {true, 5000, MacroMessage::kFullLongDelay},
    };
    for (const auto& c : cases) {
        MacroKey target;
        MacroRecorder fresh;
        fresh.Start(target, c.delays);
        std::uint32_t t = 0;
        // Alternate press and release of one key, 10 ms apart: one pair each.
        for (int i = 0; target.pairCount < 100; ++i) {
            fresh.OnKey(0x41, i % 2 == 1, t += 10);
        }
        EXPECT_EQ(fresh.OnKey(0x42, false, t + c.lastGap), MacroRecorder::Result::kFull);
        EXPECT_EQ(fresh.FullMessage(), c.message);
        EXPECT_EQ(target.pairCount, 100);
    }
    // 99 pairs used, then a long pause: the two pairs it needs do not fit.
    MacroKey target;
    recorder.Start(target, true);
    std::uint32_t t = 0;
    for (int i = 0; target.pairCount < 99; ++i)
        recorder.OnKey(0x41, i % 2 == 1, t += 10);
    EXPECT_EQ(recorder.OnKey(0x42, false, t + 2000), MacroRecorder::Result::kFull);
    EXPECT_STREQ(MacroMessageText(recorder.FullMessage()), "The number of action is full!");
}

TEST(MacroRulesTest, NewNamesLoopCountsAndDeletion) {
    MacroLibrary library = MacroLibrary::Default();
    EXPECT_EQ(AddNewMacro(library, "TwelveChars!"), MacroMessage::kNone);
    EXPECT_EQ(AddNewMacro(library, "ThirteenChars"), MacroMessage::kNameTooLong);
    EXPECT_EQ(AddNewMacro(library, "TwelveChars!"), MacroMessage::kMacroExists);
    EXPECT_EQ(AddNewMacro(library, "日本語の名前十二文字ですよ"), MacroMessage::kNameTooLong);
    EXPECT_EQ(AddNewMacro(library, "日本語の名前十二文字です"), MacroMessage::kNone);
    EXPECT_EQ(AddNewMacro(library, ""), MacroMessage::kNone);
    EXPECT_EQ(library.sets[0].macros.size(), 2u);

    struct LoopCase {
        const char* text;
        int stored;
        bool reset;
    } loops[] = {{"1", 1, false},  {"255", 255, false}, {"0", 1, true},
                 {"256", 1, true}, {"x", 1, true},      {"", 1, true}};
    for (const auto& c : loops) {
        LoopEntry entry = ParseLoopCount(c.text);
        EXPECT_EQ(entry.loopCount, c.stored) << c.text;
        EXPECT_EQ(entry.resetText, c.reset) << c.text;
    }
    EXPECT_STREQ(MacroMessageText(ParseLoopCount("0").message), "The range of loop times is 1~255");

    TempFolder folder;
    AppSettings settings(folder.path());
    ProfileRecords profiles(settings);
    for (int p = 0; p < 5; ++p)
        profiles.ResetProfile(p);
    profiles.Record(2).SetGKey(1, "TwelveChars!", MacroFunction(), "");
    profiles.Record(3).SetGKey(0, "日本語の名前十二文字です", MacroFunction(),
                               "");  // profile 4 is not on the keyboard
    EXPECT_TRUE(MacroInUse("TwelveChars!", profiles));
    EXPECT_EQ(DeleteMacro(library, 0, profiles), MacroMessage::kMacroInUse);
    EXPECT_EQ(DeleteMacro(library, -1, profiles), MacroMessage::kSelectToDelete);
    EXPECT_EQ(DeleteMacro(library, 1, profiles), MacroMessage::kNone);
    EXPECT_EQ(library.sets[0].macros.size(), 1u);

    profiles.Record(2).SetGKey(1, "TwelveChars!", KeyboardFunctionOf(0xA1), "");  // same name, no macro
    EXPECT_FALSE(MacroInUse("TwelveChars!", profiles));
}

TEST(MacroModelTest, InsertMovesLaterActionsAndRespectsTheSlots) {
    MacroKey macro;
    macro.AppendAction(MacroAction::Key(0x41, false));
    macro.AppendAction(MacroAction::Key(0x41, true));
    ASSERT_TRUE(macro.InsertAction(1, MacroAction::Delay(5)));
    EXPECT_EQ(macro.actions[1], MacroAction::Delay(5));
    EXPECT_EQ(macro.actions[2], MacroAction::Key(0x41, true));
    EXPECT_FALSE(macro.InsertAction(5, MacroAction::Delay(5)));
    EXPECT_FALSE(macro.SetAction(200, MacroAction::Delay(1)));
    EXPECT_EQ(macro.GetAction(250), macro.actions[0]);
    while (macro.AppendAction(MacroAction::Delay(1))) {
    }
    EXPECT_EQ(macro.actionCount, 200u);
}

}  // namespace
