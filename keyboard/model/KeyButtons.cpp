#include "keyboard/model/KeyButtons.h"

#include <cstring>

namespace {

// clang-format off
constexpr KeyButton kButtons[kKeyButtonCount] = {
    {"Esc", 38, 0xF5},
    {"F1", 17, 0xC0}, {"F2", 27, 0xC1}, {"F3", 129, 0xC2}, {"F4", 49, 0xC3}, {"F5", 18, 0xC4},
    {"F6", 26, 0xC5}, {"F7", 58, 0xC6}, {"F8", 66, 0xC7}, {"F9", 74, 0xC8}, {"F10", 98, 0xC9},
    {"F11", 82, 0xCA}, {"F12", 90, 0xCB},
    {"Print", 83, 0x46}, {"Scroll Lock", 91, 0x47}, {"Pause", 92, 0x48},
    {"~", 57, 0x35},
    {"1", 1, 0xF0}, {"2", 137, 0xF1}, {"3", 9, 0xF2}, {"4", 103, 0xF3}, {"5", 113, 0xF4},
    {"6", 121, 0x23}, {"7", 61, 0x24}, {"8", 69, 0x25}, {"9", 77, 0x26}, {"0", 101, 0x27},
    {"-", 65, 0x2D}, {"=", 73, 0x2E}, {"Backspace", 81, 0x2A},
    {"Ins", 70, 0xE8}, {"Home", 84, 0xEA}, {"Page Up", 93, 0xEC},
    {"Num Lock", 107, 0x53}, {"Keypad /", 115, 0x54}, {"Keypad *", 123, 0x55}, {"Keypad -", 131, 0x56},
    {"Tab", 56, 0x2B},
    {"Q", 96, 0x14}, {"W", 80, 0xEE}, {"E", 88, 0x08}, {"R", 120, 0x15}, {"T", 128, 0x17},
    {"Y", 59, 0x1C}, {"U", 25, 0x18}, {"I", 41, 0x0C}, {"O", 50, 0x12}, {"P", 34, 0x13},
    {"[", 68, 0x2F}, {"]", 76, 0x30}, {"\\", 100, 0x31},
    {"Del", 85, 0xE9}, {"End", 60, 0xEB}, {"Page Down", 102, 0xED},
    {"Keypad 7", 108, 0x5F}, {"Keypad 8", 116, 0x60}, {"Keypad 9", 124, 0x61}, {"Keypad +", 132, 0x57},
    {"Caps Lock", 135, 0x39},
    {"A", 48, 0x04}, {"S", 64, 0x16}, {"D", 72, 0x07}, {"F", 16, 0x09}, {"G", 145, 0x0A},
    {"H", 86, 0x0B}, {"J", 97, 0x0D}, {"K", 33, 0x0E}, {"L", 89, 0x0F},
    {";", 62, 0x33}, {"'", 78, 0x34}, {"Enter", 29, 0x28},
    {"Keypad 4", 109, 0x5C}, {"Keypad 5", 117, 0x5D}, {"Keypad 6", 125, 0x5E},
    {"Shift_L", 24, 0xE1},
    {"Z", 0, 0x1D}, {"X", 136, 0x1B}, {"C", 8, 0x06}, {"V", 112, 0x19}, {"B", 104, 0x05},
    {"N", 71, 0x11}, {"M", 149, 0x10},
    {",", 67, 0x36}, {".", 87, 0x37}, {"/", 95, 0x38}, {"Shift_R", 141, 0xE5}, {"Up Arrow", 146, 0xCC},
    {"Keypad 1", 110, 0x59}, {"Keypad 2", 118, 0x5A}, {"Keypad 3", 126, 0x5B}, {"Keypad Enter", 134, 0x58},
    {"Ctrl_L", 32, 0xE0}, {"Win_L", 43, 0xEF}, {"Alt_L", 150, 0xE2}, {"Space", 40, 0x2C},
    {"Alt_R", 4, 0xE6}, {"App", 144, 0x65}, {"Ctrl_R", 14, 0xE4},
    {"Left Arrow", 147, 0xCE}, {"Down Arrow", 148, 0xCD}, {"Right Arrow", 151, 0xCF},
    {"Keypad 0", 119, 0x62}, {"Keypad .", 127, 0x63}, {"K45", 52, 0x64},
};
// clang-format on

constexpr int kOutsideIndex = 10;

struct KeyOwnPair {
    const char* label;
    KeyMapCode plain;
    KeyMapCode keyOwn;
};

// Keys whose plain usage is replaced by a single key-own code.
constexpr KeyOwnPair kKeyOwnPairs[] = {
    {"Up Arrow", 0x52, 0xCC},    {"Down Arrow", 0x51, 0xCD}, {"Left Arrow", 0x50, 0xCE},
    {"Right Arrow", 0x4F, 0xCF}, {"Ins", 0x49, 0xE8},        {"Del", 0x4C, 0xE9},
    {"Home", 0x4A, 0xEA},        {"End", 0x4D, 0xEB},        {"Page Up", 0x4B, 0xEC},
    {"Page Down", 0x4E, 0xED},   {"W", 0x1A, 0xEE},          {"Win_L", 0xE3, 0xEF},
};

bool IsFunctionKey(int button) {
    return button >= 1 && button <= 12;
}
bool IsDigitOneToFive(int button) {
    return button >= 17 && button <= 21;
}
constexpr int kEscButton = 0;

}  // namespace

const KeyButton* KeyButtonAt(int button) {
    if (button < 0 || button >= kKeyButtonCount) {
        return nullptr;
    }
    return &kButtons[button];
}

int KeyMatrixIndex(int button) {
    const KeyButton* key = KeyButtonAt(button);
    return key ? key->matrixIndex : kOutsideIndex;
}

KeyMapCode ButtonCode(const KeyMap& keyMap, int button) {
    return keyMap[static_cast<std::size_t>(KeyMatrixIndex(button))];
}

KeyMapCode KeyOwnSubstitution(int button, KeyMapCode code) {
    // Only a key's own usage is replaced: F1 takes 0x3A, F2 0x3B and so on.
    if (IsFunctionKey(button) && code == 0x3A + (button - 1)) {
        return static_cast<KeyMapCode>(code + 0x86);
    }
    if (const KeyButton* key = KeyButtonAt(button)) {
        for (const auto& pair : kKeyOwnPairs) {
            if (std::strcmp(pair.label, key->label) == 0 && code == pair.plain) {
                return pair.keyOwn;
            }
        }
    }
    if (IsDigitOneToFive(button) && code == 0x1E + (button - 17)) {
        return static_cast<KeyMapCode>(code + 0xD2);
    }
    if (button == kEscButton && code == 0x29) {
        return 0xF5;
    }
    return code;
}

void AssignButtonCode(KeyMap& keyMap, int button, KeyMapCode code) {
    keyMap[static_cast<std::size_t>(KeyMatrixIndex(button))] = KeyOwnSubstitution(button, code);
}

bool IsButtonChanged(const KeyMap& keyMap, int button) {
    const KeyButton* key = KeyButtonAt(button);
    return key && ButtonCode(keyMap, button) != key->defaultCode;
}
