#include <gtest/gtest.h>

#include "keyboard/link/MacroPairs.h"
#include "keyboard/link/MacroReport.h"
#include "keyboard/model/KeyNames.h"

namespace {

const KeyCodeConverter toUsage = [](std::uint8_t vk) { return VirtualKeyToUsage(vk); };
const KeyCodeConverter toVk = [](std::uint8_t usage) { return UsageToVirtualKey(usage); };

MacroActionBytes Delay(unsigned ms) {
    return {3, static_cast<std::uint8_t>(ms >> 16), static_cast<std::uint8_t>(ms >> 8),
            static_cast<std::uint8_t>(ms)};
}
constexpr MacroActionBytes PressA{0x41, 0x00, 0, 0};
constexpr MacroActionBytes ReleaseA{0x41, 0x80, 0, 0};

TEST(MacroConversion, ActionsToPairs) {
    struct Case {
        const char* what;
        std::vector<MacroActionBytes> actions;
        std::vector<MacroPair> pairs;
    };
    const Case cases[] = {
        {"100 ms rides on the key", {Delay(100), PressA}, {{0x04, 12}}},
        {"1016 ms: a 64 ms pause and the rest", {Delay(1016), PressA}, {{0x01, 15}, {0x04, 7}}},
        {"a delay after the last key is not sent", {PressA, Delay(500)}, {{0x04, 0x00}}},
        {"release bit and carry together", {PressA, Delay(40), ReleaseA}, {{0x04, 0x00}, {0x04, 0x85}}},
        {"128 ms units", {Delay(20000), PressA}, {{0x02, 156}, {0x04, 4}}},
        {"256 ms units, low 16 bits only", {Delay(0x10000 + 40000), PressA}, {{0x03, 156}, {0x04, 8}}},
        {"a second delay replaces the carry", {Delay(80), Delay(16), PressA}, {{0x04, 2}}},
        {"a key without usage", {{0x07, 0x00, 0, 0}}, {{0x00, 0x00}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ActionsToPairs(c.actions, toUsage), c.pairs) << c.what;
    }
}

TEST(MacroConversion, PairsToActions) {
    struct Case {
        const char* what;
        std::vector<MacroPair> pairs;
        std::vector<MacroActionBytes> actions;
    };
    const Case cases[] = {
        {"128 + 40 ms then a release of A", {{0x01, 2}, {0x04, 0x85}}, {Delay(168), ReleaseA}},
        {"a press without delay", {{0x04, 0x00}}, {PressA}},
        {"pauses after the last key are dropped", {{0x04, 0x00}, {0x03, 9}, {0x00, 0x05}}, {PressA}},
        {"type 0 is a pause", {{0x00, 0x82}, {0x02, 1}, {0x04, 0x80}}, {Delay(16 + 128), ReleaseA}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PairsToActions(c.pairs, toVk), c.actions) << c.what;
    }
    // Each key with a pause costs two actions; the model holds 200.
    std::vector<MacroPair> many(150, MacroPair{0x04, 0x01});
    EXPECT_EQ(PairsToActions(many, toVk).size(), kMaxMacroActions);
}

TEST(MacroReport, HoldsNinetySixPairsAndClampsTheCount) {
    MacroReport report;
    report.name = "Alpha";
    report.loop = 3;
    report.pairCount = 100;  // as the recorder allows
    report.pairs.assign(100, MacroPair{0x04, 0x00});
    report.pairs[95] = {0x05, 0x80};
    std::vector<std::uint8_t> bytes = report.Build(4, 2);
    ASSERT_EQ(bytes.size(), MacroReport::kLength);
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 13)),
              (std::vector<std::uint8_t>{0x08, 0xE2, 0x00, 0x02, 0, 0, 0, 0, 'A', 'l', 'p', 'h', 'a'}));
    EXPECT_EQ(bytes[32], 3);
    EXPECT_EQ(bytes[33], 96);
    EXPECT_EQ(bytes[224], 0x05);
    EXPECT_EQ(bytes[225], 0x80);

    bytes[33] = 0xFF;  // a keyboard that claims more than the report holds
    MacroReport parsed = MacroReport::Parse(bytes, 0, 0);
    EXPECT_EQ(parsed.name, "Alpha");
    EXPECT_EQ(parsed.pairCount, 96);
    EXPECT_EQ(parsed.pairs.size(), 96u);

    // A short answer reads as zeros.
    EXPECT_TRUE(MacroReport::Parse({0x08, 0xE2}, 0, 0).pairs.empty());
}

TEST(MacroReport, NamesAreCutToTwentyFourBytesOnWholeCharacters) {
    MacroReport report;
    report.name = std::string(23, 'x') + "\xC3\xA9";  // 25 bytes, the last character two bytes long
    std::vector<std::uint8_t> bytes = report.Build(0, 0);
    EXPECT_EQ(bytes[8 + 22], 'x');
    EXPECT_EQ(bytes[8 + 23], 0x00);
    // A name that fills all 24 bytes ends at byte 31.
    report.name = std::string(24, 'y');
    EXPECT_EQ(MacroReport::Parse(report.Build(0, 0), 0, 0).name, std::string(24, 'y'));
}

}  // namespace
