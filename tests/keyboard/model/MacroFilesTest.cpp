#include <gtest/gtest.h>

#include "keyboard/model/MacroFiles.h"
#include "platform/core/AtomicFile.h"
#include "support/TempFolder.h"

namespace {

// 200 action slots as the files write them, the first ones given.
std::string Actions(const std::string& first) {
    return first + std::string(1600 - first.size(), '0');
}

MacroLibrary SmallLibrary() {
    MacroLibrary library = MacroLibrary::Default();
    MacroKey& macro = library.sets[0].AddMacro("Combo");
    macro.loopCount = 3;
    macro.AppendAction(MacroAction::Key(0x41, false));
    macro.AppendAction(MacroAction::Delay(2000));
    macro.AppendAction(MacroAction::Key(0x41, true));
    macro.pairCount = 3;
    library.AddSet("Spare");
    return library;
}

const std::string kSmallLibraryText =
    "[MacroLibrary]\r\n"
    "MacroSetNum=2\r\n"
    "\tMacroSet0Name=Keyboard Macro Set\r\n"
    "\t\tMacroKeyNum=1\r\n"
    "\t\tMacroKey0Name=Combo\r\n"
    "\t\t\tMacroKey0LoopEnable=1\r\n"
    "\t\t\tMacroKey0LoopNum=3\r\n"
    "\t\t\tMacroActionNum=3\r\n"
    "\t\t\tMacroCommandActionNum=3\r\n"
    "\t\t\tAllAction=" +
    Actions("41000000030007D041800000") +
    "\r\n"
    "\tMacroSet1Name=Spare\r\n"
    "\t\tMacroKeyNum=0\r\n";

class MacroFilesTest : public ::testing::Test {
protected:
    std::string LibraryFile() const { return "config/MacroLibraryFile.mlf"; }
    TempFolder folder;
};

TEST_F(MacroFilesTest, LibraryIsWrittenByteForByteAndReadBack) {
    ASSERT_TRUE(SaveMacroLibrary(SmallLibrary(), folder.path()));
    EXPECT_EQ(folder.read(LibraryFile()), kSmallLibraryText);
    MacroLibrary read;
    EXPECT_TRUE(LoadMacroLibrary(read, folder.path()));
    EXPECT_EQ(read, SmallLibrary());

    std::string lf;
    for (char c : kSmallLibraryText)
        if (c != '\r')
            lf += c;
    folder.write(LibraryFile(), lf);
    EXPECT_TRUE(LoadMacroLibrary(read, folder.path()));
    EXPECT_EQ(read, SmallLibrary());
}

TEST_F(MacroFilesTest, MalformedLibrariesBecomeTheDefaultWrittenAtOnce) {
    auto replace = [](std::string text, const std::string& from, const std::string& to) {
        return text.replace(text.find(from), from.size(), to);
    };
    const std::string actions = "AllAction=" + Actions("41000000030007D041800000");
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {
        {"no sets", replace(kSmallLibraryText, "MacroSetNum=2", "MacroSetNum=0")},
        {"negative sets", replace(kSmallLibraryText, "MacroSetNum=2", "MacroSetNum=-1")},
        {"1599 digits", replace(kSmallLibraryText, actions, actions.substr(0, actions.size() - 1))},
        {"1601 digits", replace(kSmallLibraryText, actions, actions + "0")},
        {"empty value", replace(kSmallLibraryText, "MacroKey0LoopNum=3", "MacroKey0LoopNum=")},
        {"missing line", kSmallLibraryText.substr(0, kSmallLibraryText.find("\tMacroSet1Name"))},
        {"more sets than lines", replace(kSmallLibraryText, "MacroSetNum=2", "MacroSetNum=4000000000")},
        {"header", replace(kSmallLibraryText, "[MacroLibrary]", "[macrolibrary]")},
    };
    const std::string defaultText = MacroLibraryText(MacroLibrary::Default());
    for (const auto& c : cases) {
        folder.write(LibraryFile(), c.text);
        MacroLibrary read = SmallLibrary();
        EXPECT_FALSE(LoadMacroLibrary(read, folder.path())) << c.what;
        EXPECT_EQ(read, MacroLibrary::Default()) << c.what;
        EXPECT_EQ(folder.read(LibraryFile()), defaultText) << c.what;
    }
    EXPECT_EQ(
        defaultText,
        "[MacroLibrary]\r\nMacroSetNum=1\r\n\tMacroSet0Name=Keyboard Macro Set\r\n\t\tMacroKeyNum=0\r\n");
}

TEST_F(MacroFilesTest, CountsBeyondWhatAMacroHoldsAreClamped) {
    std::string text = kSmallLibraryText;
    text.replace(text.find("MacroActionNum=3"), 16, "MacroActionNum=999");
    text.replace(text.find("MacroCommandActionNum=3"), 23, "MacroCommandActionNum=150");
    folder.write(LibraryFile(), text);
    MacroLibrary read;
    ASSERT_TRUE(LoadMacroLibrary(read, folder.path()));
    EXPECT_EQ(read.sets[0].macros[0].actionCount, 200u);
    EXPECT_EQ(read.sets[0].macros[0].pairCount, 100);
    EXPECT_FALSE(read.sets[0].macros[0].AppendAction(MacroAction::Key(0x41, false)));
}

TEST_F(MacroFilesTest, MacroKeyFileRoundTripKeepsTheTargetsName) {
    const MacroKey source = SmallLibrary().sets[0].macros[0];
    ASSERT_TRUE(ExportMacroKey(source, folder.file("combo.mkf")));
    EXPECT_EQ(folder.read("combo.mkf"),
              "[MacroKey]\r\n\tMacroKeyLoopEnable=1\r\n\tMacroKeyLoopNum=3\r\n\tMacroActionNum=3\r\n"
              "\tMacroCommandActionNum=3\r\n\t\tAllAction=" +
                  Actions("41000000030007D041800000") + "\r\n");
    MacroKey target;
    target.name = "Mine";
    ASSERT_TRUE(ImportMacroKey(folder.file("combo.mkf"), target));
    EXPECT_EQ(target.name, "Mine");
    target.name = source.name;
    EXPECT_EQ(target, source);
}

TEST_F(MacroFilesTest, InvalidMacroKeyFilesChangeNothing) {
    const std::string good = MacroKeyText(SmallLibrary().sets[0].macros[0]);
    auto without = [&](const std::string& part) {
        std::string text = good;
        return text.erase(text.find(part), part.size());
    };
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {
        {"header", "[MacroLibrary]" + good.substr(10)},
        {"missing loop line", without("\tMacroKeyLoopNum=3\r\n")},
        {"empty value", without("3\r\n\tMacroActionNum")},
        {"short actions", without("00\r\n")},
        {"empty file", ""},
    };
    MacroKey target;
    target.name = "Keep";
    target.AppendAction(MacroAction::Key(0x42, false));
    const MacroKey before = target;
    for (const auto& c : cases) {
        folder.write("bad.mkf", c.text);
        EXPECT_FALSE(ImportMacroKey(folder.file("bad.mkf"), target)) << c.what;
        EXPECT_EQ(target, before) << c.what;
    }
    EXPECT_FALSE(ImportMacroKey(folder.file("missing.mkf"), target));
    EXPECT_EQ(target, before);
}

TEST_F(MacroFilesTest, ImportIntoTheLibraryWritesItOnlyForAValidFile) {
    MacroLibrary library = SmallLibrary();
    library.sets[0].AddMacro("Second");
    ASSERT_TRUE(ExportMacroKey(library.sets[0].macros[0], folder.file("combo.mkf")));
    folder.write("bad.mkf", "[MacroKey]\r\n");
    EXPECT_FALSE(ImportMacroKey(folder.file("bad.mkf"), library, 1, folder.path()));
    EXPECT_FALSE(folder.exists(LibraryFile()));
    EXPECT_FALSE(ImportMacroKey(folder.file("combo.mkf"), library, 5, folder.path()));

    ASSERT_TRUE(ImportMacroKey(folder.file("combo.mkf"), library, 1, folder.path()));
    EXPECT_EQ(library.sets[0].macros[1].name, "Second");
    EXPECT_EQ(library.sets[0].macros[1].actionCount, 3u);
    MacroLibrary written;
    ASSERT_TRUE(LoadMacroLibrary(written, folder.path()));
    EXPECT_EQ(written, library);
}

TEST_F(MacroFilesTest, FailedSaveKeepsTheOldLibrary) {
    ASSERT_TRUE(SaveMacroLibrary(SmallLibrary(), folder.path()));
    core::failWritesAfterBytes(50);
    EXPECT_FALSE(SaveMacroLibrary(MacroLibrary::Default(), folder.path()));
    core::failWritesAfterBytes(std::nullopt);
    EXPECT_EQ(folder.read(LibraryFile()), kSmallLibraryText);
}

}  // namespace
