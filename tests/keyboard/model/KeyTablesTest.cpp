#include <gtest/gtest.h>

#include <string>

#include "keyboard/model/KeyButtons.h"
#include "keyboard/model/KeyFunction.h"
#include "keyboard/model/KeyNames.h"

namespace {

int ButtonNamed(const std::string& label) {
    for (int n = 0; n < kKeyButtonCount; ++n) {
        if (KeyButtonAt(n)->label == label)
            return n;
    }
    return -1;
}

TEST(KeyButtonsTest, EveryButtonsDefaultCodeIsWhatTheDefaultMapHoldsAtItsIndex) {
    KeyMap map = DefaultKeyMap();
    for (int n = 0; n < kKeyButtonCount; ++n) {
        EXPECT_EQ(ButtonCode(map, n), KeyButtonAt(n)->defaultCode) << KeyButtonAt(n)->label;
        EXPECT_FALSE(IsButtonChanged(map, n)) << KeyButtonAt(n)->label;
    }
    EXPECT_EQ(KeyMatrixIndex(ButtonNamed("K45")), 52);
    EXPECT_EQ(KeyMatrixIndex(ButtonNamed("Del")), 85);
    EXPECT_EQ(KeyMatrixIndex(104), 10);
    EXPECT_EQ(KeyMatrixIndex(-1), 10);
}

TEST(KeyButtonsTest, KeyOwnSubstitutionOnlyForTheKeysOwnUsage) {
    struct Case {
        const char* button;
        KeyMapCode assigned;
        KeyMapCode stored;
    } cases[] = {
        {"F1", 0x3A, 0xC0},  {"F2", 0x3A, 0x3A},  {"F12", 0x45, 0xCB},       {"Up Arrow", 0x52, 0xCC},
        {"W", 0x52, 0x52},   {"W", 0x1A, 0xEE},   {"Win_L", 0xE3, 0xEF},     {"1", 0x1E, 0xF0},
        {"5", 0x22, 0xF4},   {"6", 0x23, 0x23},   {"2", 0x1E, 0x1E},         {"F2", 0x3B, 0xC1},
        {"Esc", 0x29, 0xF5}, {"Tab", 0x29, 0x29}, {"Page Down", 0x4E, 0xED}, {"Home", 0x04, 0x04},
    };
    for (const auto& c : cases) {
        KeyMap map = DefaultKeyMap();
        int button = ButtonNamed(c.button);
        AssignButtonCode(map, button, c.assigned);
        EXPECT_EQ(ButtonCode(map, button), c.stored) << c.button;
    }
    KeyMap map = DefaultKeyMap();
    AssignButtonCode(map, ButtonNamed("Tab"), 0x29);
    EXPECT_TRUE(IsButtonChanged(map, ButtonNamed("Tab")));
}

TEST(KeyNamesTest, NamesAndConversions) {
    EXPECT_STREQ(HidKeyNames()[0x58], "Keypad Eenter");
    EXPECT_STREQ(VkKeyNames()[0x0E], "Keypad Enter");
    EXPECT_STREQ(HidKeyNames()[0x04], "A");
    EXPECT_STREQ(HidKeyNames()[0x27], "0");
    EXPECT_STREQ(HidKeyNames()[0xF5], "Esc");
    EXPECT_STREQ(HidKeyNames()[0xD0], "Undefined");
    EXPECT_STREQ(HidKeyNames()[0x73], "F24");
    EXPECT_STREQ(VkKeyNames()[0x41], "A");
    EXPECT_STREQ(VkKeyNames()[0x87], "F24");
    EXPECT_STREQ(VkKeyNames()[0xFB], "KL");
    EXPECT_STREQ(VkKeyNames()[0x07], "Undefined");

    EXPECT_EQ(VirtualKeyToUsage(0x2E), 0x4C);
    EXPECT_EQ(UsageToVirtualKey(0x4C), 0x2E);
    EXPECT_EQ(UsageToVirtualKey(0x46), 0x2A);
    EXPECT_EQ(VirtualKeyToUsage(0x2A), 0x00);
    // Every letter, digit and function key goes there and back.
    for (int vk : {0x41, 0x5A, 0x30, 0x39, 0x70, 0x7B, 0x60, 0x69, 0xA0, 0xA5}) {
        EXPECT_EQ(UsageToVirtualKey(VirtualKeyToUsage(static_cast<std::uint8_t>(vk))), vk) << vk;
    }
    EXPECT_EQ(UsageToVirtualKey(0xC0), 0x70);  // the key-own F1 reads back as F1
}

TEST(KeyFunctionTest, DefaultsMenusAndCombinationText) {
    EXPECT_EQ(DefaultGKeyFunction(5), (KeyFunction{0x06, 0x01, 0x23}));
    EXPECT_EQ(DefaultGKeyName(5), "CTRL+6");
    EXPECT_EQ(DefaultGKeyFunction(0), (KeyFunction{0x06, 0x01, 0x1E}));
    EXPECT_EQ(MultimediaFunctions().size(), 8u);
    EXPECT_EQ(WindowManageFunctions().size(), 10u);
    EXPECT_EQ(KeyboardFunctionName(0xA1), "Volume+");
    EXPECT_EQ(KeyboardFunctionName(0xB1), "Calculator");
    EXPECT_EQ(KeyboardFunctionName(0xB2), "");
    EXPECT_STREQ(GKeyMenuItems().front(), "Assign a Macro");
    EXPECT_STREQ(GKeyMenuItems().back(), "No Function");

    EXPECT_EQ(CombinationText(kModifierCtrl, "1"), "Ctrl+1");
    EXPECT_EQ(CombinationText(kModifierWin | kModifierCtrl | kModifierAlt | kModifierShift, "A"),
              "Ctrl+Shift+Alt+Win+A");
    EXPECT_EQ(CombinationText(kModifierShift, ""), "Shift");
}

}  // namespace
