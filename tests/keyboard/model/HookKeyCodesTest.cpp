// The keyboard hook and the key tables together: pressing any key of the
// keyboard picture and giving the captured key back to that key stores
// exactly its default code.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "keyboard/model/KeyButtons.h"
#include "keyboard/model/KeyNames.h"
#include "platform/hook/KeyCodeTable.h"

namespace {

struct PhysicalKey {
    const char* label;
    unsigned evdev;  // Linux input event code of the key
};

// clang-format off
constexpr PhysicalKey kPictureKeys[] = {
    {"Esc", 1},
    {"F1", 59}, {"F2", 60}, {"F3", 61}, {"F4", 62}, {"F5", 63}, {"F6", 64}, {"F7", 65}, {"F8", 66},
    {"F9", 67}, {"F10", 68}, {"F11", 87}, {"F12", 88},
    {"Print", 99}, {"Scroll Lock", 70}, {"Pause", 119},
    {"~", 41}, {"1", 2}, {"2", 3}, {"3", 4}, {"4", 5}, {"5", 6}, {"6", 7}, {"7", 8}, {"8", 9}, {"9", 10},
    {"0", 11}, {"-", 12}, {"=", 13}, {"Backspace", 14},
    {"Ins", 110}, {"Home", 102}, {"Page Up", 104},
    {"Num Lock", 69}, {"Keypad /", 98}, {"Keypad *", 55}, {"Keypad -", 74},
    {"Tab", 15}, {"Q", 16}, {"W", 17}, {"E", 18}, {"R", 19}, {"T", 20}, {"Y", 21}, {"U", 22}, {"I", 23},
    {"O", 24}, {"P", 25}, {"[", 26}, {"]", 27}, {"\\", 43},
    {"Del", 111}, {"End", 107}, {"Page Down", 109},
    {"Keypad 7", 71}, {"Keypad 8", 72}, {"Keypad 9", 73}, {"Keypad +", 78},
    {"Caps Lock", 58}, {"A", 30}, {"S", 31}, {"D", 32}, {"F", 33}, {"G", 34}, {"H", 35}, {"J", 36},
    {"K", 37}, {"L", 38}, {";", 39}, {"'", 40}, {"Enter", 28},
    {"Keypad 4", 75}, {"Keypad 5", 76}, {"Keypad 6", 77},
    {"Shift_L", 42}, {"Z", 44}, {"X", 45}, {"C", 46}, {"V", 47}, {"B", 48}, {"N", 49}, {"M", 50},
    {",", 51}, {".", 52}, {"/", 53}, {"Shift_R", 54}, {"Up Arrow", 103},
    {"Keypad 1", 79}, {"Keypad 2", 80}, {"Keypad 3", 81}, {"Keypad Enter", 96},
    {"Ctrl_L", 29}, {"Win_L", 125}, {"Alt_L", 56}, {"Space", 57}, {"Alt_R", 100}, {"App", 127},
    {"Ctrl_R", 97}, {"Left Arrow", 105}, {"Down Arrow", 108}, {"Right Arrow", 106},
    {"Keypad 0", 82}, {"Keypad .", 83}, {"K45", 86},
};
// clang-format on

int ButtonNamed(const std::string& label) {
    for (int n = 0; n < kKeyButtonCount; ++n) {
        if (KeyButtonAt(n)->label == label) {
            return n;
        }
    }
    return -1;
}

TEST(HookKeyCodesTest, EveryKeyOfThePictureCapturesToItsOwnDefaultCode) {
    std::set<int> seen;
    for (const PhysicalKey& key : kPictureKeys) {
        const int button = ButtonNamed(key.label);
        ASSERT_GE(button, 0) << key.label;
        seen.insert(button);
        const std::uint8_t virtualKey = hook::virtualKeyOfEvdev(key.evdev);
        const std::uint8_t usage = VirtualKeyToUsage(virtualKey);
        EXPECT_NE(usage, 0) << key.label << " gives virtual key " << int{virtualKey};
        EXPECT_EQ(KeyOwnSubstitution(button, usage), KeyButtonAt(button)->defaultCode) << key.label;
        EXPECT_EQ(hook::virtualKeyOfXKeycode(key.evdev + 8), virtualKey) << key.label;
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kKeyButtonCount));
}

// Keys that Windows has no code for, or whose Windows code would read as
// another key, arrive as the pseudo codes that name their own usage.
TEST(HookKeyCodesTest, NationalKeysArriveWithTheirOwnUsage) {
    struct Case {
        unsigned evdev;
        std::uint8_t usage;
    } cases[] = {{89, 0x87}, {93, 0x88},  {124, 0x89}, {92, 0x8A},
                 {94, 0x8B}, {122, 0x90}, {123, 0x91}, {121, 0x85}};
    for (const Case& c : cases) {
        EXPECT_EQ(VirtualKeyToUsage(hook::virtualKeyOfEvdev(c.evdev)), c.usage) << c.evdev;
    }
    EXPECT_EQ(hook::virtualKeyOfEvdev(207), 0);  // Play: its Windows code is taken by "KR" here
    EXPECT_EQ(hook::virtualKeyOfXKeycode(3), 0);
}

}  // namespace
