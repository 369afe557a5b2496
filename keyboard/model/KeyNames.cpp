#include "keyboard/model/KeyNames.h"

#include <initializer_list>
#include <utility>

namespace {

using NameTable = std::array<const char*, 256>;
using ByteTable = std::array<std::uint8_t, 256>;

NameTable Undefined() {
    NameTable table;
    table.fill("Undefined");
    return table;
}

void Name(NameTable& table, int code, const char* name) {
    table[static_cast<std::size_t>(code)] = name;
}

void NameRun(NameTable& table, int first, std::initializer_list<const char*> names) {
    for (const char* name : names)
        Name(table, first++, name);
}

constexpr std::initializer_list<const char*> kLetters = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                                         "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                                         "S", "T", "U", "V", "W", "X", "Y", "Z"};
constexpr std::initializer_list<const char*> kFunctionKeys = {
    "F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",  "F9",  "F10", "F11", "F12",
    "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"};

NameTable BuildHidNames() {
    NameTable t = Undefined();
    NameRun(t, 0x04, kLetters);
    NameRun(t, 0x1E, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"});
    NameRun(t, 0x28,
            {"Enter", "Esc", "Backspace", "Tab", "Space", "-", "=", "[", "]", "\\", "K42", ";", "'", "~", ",",
             ".", "/", "Caps Lock"});
    NameRun(t, 0x3A, {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"});
    NameRun(t, 0x46,
            {"Print", "Scroll Lock", "Pause", "Ins", "Home", "Page Up", "Del", "End", "Page Down",
             "Right Arrow", "Left Arrow", "Down Arrow", "Up Arrow", "Num Lock"});
    NameRun(t, 0x54,
            {"Keypad /", "Keypad *", "Keypad -", "Keypad +", "Keypad Eenter", "Keypad 1", "Keypad 2",
             "Keypad 3", "Keypad 4", "Keypad 5", "Keypad 6", "Keypad 7", "Keypad 8", "Keypad 9", "Keypad 0",
             "Keypad .", "K45", "App"});
    NameRun(t, 0x68, {"F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"});
    NameRun(t, 0x81, {"Power", "Sleep", "Wake Up"});
    Name(t, 0x85, "K107");
    NameRun(t, 0x87, {"K56", "K133", "K14", "K132", "K131"});
    NameRun(t, 0x90, {"KR", "KL"});
    NameRun(t, 0xC0,
            {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "Up", "Down", "Left",
             "Right"});
    NameRun(t, 0xE0, {"Ctrl_L", "Shift_L", "Alt_L", "Win_L", "Ctrl_R", "Shift_R",  "Alt_R", "Win_R",
                      "Ins",    "Del",     "Home",  "End",   "PageUp", "PageDown", "W",     "Win_L",
                      "1",      "2",       "3",     "4",     "5",      "Esc"});
    return t;
}

NameTable BuildVkNames() {
    NameTable t = Undefined();
    NameRun(t, 0x01, {"LBUTTON", "RBUTTON", "CANCEL", "MBUTTON", "XBUTTON1", "XBUTTON2"});
    NameRun(t, 0x08, {"Backspace", "Tab"});
    NameRun(t, 0x0C, {"Clear", "Enter", "Keypad Enter"});
    NameRun(t, 0x10, {"Shift", "Ctrl", "Alt", "Pause", "Caps Lock", "Kana"});
    NameRun(t, 0x17, {"junja", "Final", "Hanja"});
    NameRun(t, 0x1B,
            {"Esc",       "Convert", "Nonconvert", "Accept",       "ModeChange", "Space",       "Page Up",
             "Page Down", "End",     "Home",       "Left Arrow",   "Up Arrow",   "Right Arrow", "Down Arrow",
             "Select",    "Print",   "Execute",    "Print Screen", "Ins",        "Del",         "Help"});
    NameRun(t, 0x30, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    NameRun(t, 0x41, kLetters);
    NameRun(t, 0x5B, {"Win_L", "Win_R", "App"});
    Name(t, 0x5F, "Sleep");
    NameRun(
        t, 0x60,
        {"Keypad 0", "Keypad 1", "Keypad 2", "Keypad 3", "Keypad 4", "Keypad 5", "Keypad 6", "Keypad 7",
         "Keypad 8", "Keypad 9", "Keypad *", "Keypad +", "Separator", "Keypad -", "Keypad .", "Keypad /"});
    NameRun(t, 0x70, kFunctionKeys);
    NameRun(t, 0x90, {"Num Lock", "Scroll Lock"});
    NameRun(t, 0xA0, {"Shift_L", "Shift_R", "Ctrl_L", "Ctrl_R", "Alt_L", "Alt_R"});
    NameRun(t, 0xBA, {";", "=", ",", "-", ".", "/", "~"});
    NameRun(t, 0xDB, {"[", "\\", "]", "'"});
    Name(t, 0xE2, "K45");
    NameRun(t, 0xF0,
            {"Power", "Wake Up", "K42", "K45", "K107", "K56", "K133", "K14", "K132", "K131", "KR", "KL"});
    return t;
}

void Pair(ByteTable& table, int from, int to) {
    table[static_cast<std::size_t>(from)] = static_cast<std::uint8_t>(to);
}

void PairRun(ByteTable& table, int from, int to, int count) {
    for (int i = 0; i < count; ++i)
        Pair(table, from + i, to + i);
}

void Pairs(ByteTable& table, std::initializer_list<std::pair<int, int>> pairs) {
    for (auto [from, to] : pairs)
        Pair(table, from, to);
}

ByteTable BuildVkToUsage() {
    ByteTable t{};
    Pairs(t,
          {{0x08, 0x2A}, {0x09, 0x2B}, {0x0D, 0x28}, {0x0E, 0x58}, {0x13, 0x48}, {0x14, 0x39}, {0x1B, 0x29},
           {0x20, 0x2C}, {0x21, 0x4B}, {0x22, 0x4E}, {0x23, 0x4D}, {0x24, 0x4A}, {0x25, 0x50}, {0x26, 0x52},
           {0x27, 0x4F}, {0x28, 0x51}, {0x2C, 0x46}, {0x2D, 0x49}, {0x2E, 0x4C}, {0x30, 0x27}});
    PairRun(t, 0x31, 0x1E, 9);
    PairRun(t, 0x41, 0x04, 26);
    Pairs(t, {{0x5B, 0xE3}, {0x5C, 0xE7}, {0x5D, 0x65}, {0x5F, 0x82}, {0x60, 0x62}});
    PairRun(t, 0x61, 0x59, 9);
    Pairs(t, {{0x6A, 0x55}, {0x6B, 0x57}, {0x6D, 0x56}, {0x6E, 0x63}, {0x6F, 0x54}});
    PairRun(t, 0x70, 0x3A, 12);
    Pairs(t,
          {{0x90, 0x53}, {0x91, 0x47}, {0xA0, 0xE1}, {0xA1, 0xE5}, {0xA2, 0xE0}, {0xA3, 0xE4}, {0xA4, 0xE2},
           {0xA5, 0xE6}, {0xBA, 0x33}, {0xBB, 0x2E}, {0xBC, 0x36}, {0xBD, 0x2D}, {0xBE, 0x37}, {0xBF, 0x38},
           {0xC0, 0x35}, {0xDB, 0x2F}, {0xDC, 0x31}, {0xDD, 0x30}, {0xDE, 0x34}, {0xE2, 0x64}, {0xF0, 0x81},
           {0xF1, 0x83}, {0xF2, 0x32}, {0xF3, 0x64}, {0xF4, 0x85}, {0xF5, 0x87}, {0xF6, 0x88}, {0xF7, 0x89},
           {0xF8, 0x8A}, {0xF9, 0x8B}, {0xFA, 0x90}, {0xFB, 0x91}});
    return t;
}

ByteTable BuildUsageToVk() {
    ByteTable t{};
    PairRun(t, 0x04, 0x41, 26);
    PairRun(t, 0x1E, 0x31, 9);
    Pairs(t, {{0x27, 0x30},
              {0x28, 0x0D},
              {0x29, 0x1B},
              {0x2A, 0x08},
              {0x2B, 0x09},
              {0x2C, 0x20},
              {0x2D, 0xBD},
              {0x2E, 0xBB},
              {0x2F, 0xDB},
              {0x30, 0xDD},
              {0x31, 0xDC},
              {0x32, 0xF2},
              {0x33, 0xBA},
              {0x34, 0xDE},
              {0x35, 0xC0},
              {0x36, 0xBC},
              {0x37, 0xBE},
              {0x38, 0xBF},
              {0x39, 0x14}});
    PairRun(t, 0x3A, 0x70, 12);
    Pairs(t, {{0x46, 0x2A},
              {0x47, 0x91},
              {0x48, 0x13},
              {0x49, 0x2D},
              {0x4A, 0x24},
              {0x4B, 0x21},
              {0x4C, 0x2E},
              {0x4D, 0x23},
              {0x4E, 0x22},
              {0x4F, 0x27},
              {0x50, 0x25},
              {0x51, 0x28},
              {0x52, 0x26},
              {0x53, 0x90},
              {0x54, 0x6F},
              {0x55, 0x6A},
              {0x56, 0x6D},
              {0x57, 0x6B},
              {0x58, 0x0E}});
    PairRun(t, 0x59, 0x61, 9);
    Pairs(t, {{0x62, 0x60}, {0x63, 0x6E}, {0x64, 0xF3}, {0x65, 0x5D}});
    PairRun(t, 0x68, 0x7C, 12);
    Pairs(t, {{0x81, 0xF0},
              {0x82, 0x5F},
              {0x83, 0xF1},
              {0x85, 0xF4},
              {0x87, 0xF5},
              {0x88, 0xF6},
              {0x89, 0xF7},
              {0x8A, 0xF8},
              {0x8B, 0xF9},
              {0x90, 0xFA},
              {0x91, 0xFB}});
    PairRun(t, 0xC0, 0x70, 12);
    Pairs(t, {{0xE0, 0xA2},
              {0xE1, 0xA0},
              {0xE2, 0xA4},
              {0xE3, 0x5B},
              {0xE4, 0xA3},
              {0xE5, 0xA1},
              {0xE6, 0xA5},
              {0xE7, 0x5C}});
    return t;
}

}  // namespace

const std::array<const char*, 256>& HidKeyNames() {
    static const NameTable table = BuildHidNames();
    return table;
}

const std::array<const char*, 256>& VkKeyNames() {
    static const NameTable table = BuildVkNames();
    return table;
}

std::uint8_t VirtualKeyToUsage(std::uint8_t virtualKey) {
    static const ByteTable table = BuildVkToUsage();
    return table[virtualKey];
}

std::uint8_t UsageToVirtualKey(std::uint8_t usage) {
    static const ByteTable table = BuildUsageToVk();
    return table[usage];
}

std::string CombinationText(std::uint8_t modifiers, const std::string& keyName) {
    std::string text;
    if (modifiers & kModifierCtrl)
        text += "Ctrl+";
    if (modifiers & kModifierShift)
        text += "Shift+";
    if (modifiers & kModifierAlt)
        text += "Alt+";
    if (modifiers & kModifierWin)
        text += "Win+";
    text += keyName;
    if (!text.empty() && text.back() == '+') {
        text.pop_back();
    }
    return text;
}
