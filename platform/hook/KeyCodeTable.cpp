#include "platform/hook/KeyCodeTable.h"

#include <array>

namespace hook {

namespace {

struct Pair {
    unsigned evdev;
    std::uint8_t virtualKey;
};

// Physical key (Linux evdev code) to the Windows virtual-key code that a
// Windows keyboard hook reports for it. Left and right modifiers stay apart:
// the generic Shift/Ctrl/Alt codes have no HID usage. The keypad reports its
// digit codes, as raw key events carry no Num Lock state.
//
// Keys without a virtual-key code of their own (or whose Windows code would
// read as another key here) get the configurator's pseudo codes 0xF0..0xFB,
// which stand for their HID usages. So KEY_PLAY, whose Windows code 0xFA is
// the pseudo code of "KR", is left out.
// clang-format off
constexpr Pair kPairs[] = {
    {1, 0x1B},                                                        // Esc
    {2, 0x31}, {3, 0x32}, {4, 0x33}, {5, 0x34}, {6, 0x35},            // 1..5
    {7, 0x36}, {8, 0x37}, {9, 0x38}, {10, 0x39}, {11, 0x30},          // 6..9, 0
    {12, 0xBD}, {13, 0xBB}, {14, 0x08}, {15, 0x09},                   // - = Backspace Tab
    {16, 0x51}, {17, 0x57}, {18, 0x45}, {19, 0x52}, {20, 0x54},       // Q W E R T
    {21, 0x59}, {22, 0x55}, {23, 0x49}, {24, 0x4F}, {25, 0x50},       // Y U I O P
    {26, 0xDB}, {27, 0xDD}, {28, 0x0D}, {29, 0xA2},                   // [ ] Enter Ctrl_L
    {30, 0x41}, {31, 0x53}, {32, 0x44}, {33, 0x46}, {34, 0x47},       // A S D F G
    {35, 0x48}, {36, 0x4A}, {37, 0x4B}, {38, 0x4C},                   // H J K L
    {39, 0xBA}, {40, 0xDE}, {41, 0xC0}, {42, 0xA0}, {43, 0xDC},       // ; ' ~ Shift_L backslash
    {44, 0x5A}, {45, 0x58}, {46, 0x43}, {47, 0x56}, {48, 0x42},       // Z X C V B
    {49, 0x4E}, {50, 0x4D},                                           // N M
    {51, 0xBC}, {52, 0xBE}, {53, 0xBF}, {54, 0xA1},                   // , . / Shift_R
    {55, 0x6A}, {56, 0xA4}, {57, 0x20}, {58, 0x14},                   // Keypad * Alt_L Space Caps Lock
    {59, 0x70}, {60, 0x71}, {61, 0x72}, {62, 0x73}, {63, 0x74},       // F1..F5
    {64, 0x75}, {65, 0x76}, {66, 0x77}, {67, 0x78}, {68, 0x79},       // F6..F10
    {69, 0x90}, {70, 0x91},                                           // Num Lock, Scroll Lock
    {71, 0x67}, {72, 0x68}, {73, 0x69}, {74, 0x6D},                   // Keypad 7 8 9 -
    {75, 0x64}, {76, 0x65}, {77, 0x66}, {78, 0x6B},                   // Keypad 4 5 6 +
    {79, 0x61}, {80, 0x62}, {81, 0x63}, {82, 0x60}, {83, 0x6E},       // Keypad 1 2 3 0 .
    {86, 0xE2}, {87, 0x7A}, {88, 0x7B},                               // K45 (102nd), F11, F12
    {89, 0xF5}, {90, 0x15}, {92, 0xF8}, {93, 0xF6}, {94, 0xF9},       // Ro, Katakana, Henkan, Kana, Muhenkan
    {96, 0x0E}, {97, 0xA3}, {98, 0x6F}, {99, 0x2C}, {100, 0xA5},      // Keypad Enter, Ctrl_R, Keypad /, Print, Alt_R
    {102, 0x24}, {103, 0x26}, {104, 0x21}, {105, 0x25}, {106, 0x27},  // Home Up PageUp Left Right
    {107, 0x23}, {108, 0x28}, {109, 0x22}, {110, 0x2D}, {111, 0x2E},  // End Down PageDown Ins Del
    {113, 0xAD}, {114, 0xAE}, {115, 0xAF}, {116, 0xF0},               // Mute, Volume- Volume+, Power
    {119, 0x13}, {121, 0xF4}, {122, 0xFA}, {123, 0xFB}, {124, 0xF7},  // Pause, Keypad comma, Hangeul, Hanja, Yen
    {125, 0x5B}, {126, 0x5C}, {127, 0x5D}, {128, 0xA9},               // Win_L Win_R App, Stop
    {138, 0x2F}, {142, 0x5F}, {143, 0xF1},                            // Help, Sleep, Wake Up
    {158, 0xA6}, {159, 0xA7}, {163, 0xB0}, {164, 0xB3}, {165, 0xB1},  // Back Forward Next Play/Pause Previous
    {166, 0xB2}, {172, 0xAC}, {173, 0xA8},                            // Stop CD, Home page, Refresh
    {183, 0x7C}, {184, 0x7D}, {185, 0x7E}, {186, 0x7F}, {187, 0x80},  // F13..F17
    {188, 0x81}, {189, 0x82}, {190, 0x83}, {191, 0x84}, {192, 0x85},  // F18..F22
    {193, 0x86}, {194, 0x87},                                         // F23, F24
    {210, 0x2A}, {215, 0xB4}, {217, 0xAA},                            // Print (the other one), Mail, Search
};
// clang-format on

// X keycodes run up to 255, so evdev codes up to 247 can arrive.
constexpr std::size_t kCodes = 256;

constexpr std::array<std::uint8_t, kCodes> makeTable() {
    std::array<std::uint8_t, kCodes> table{};
    for (const Pair& pair : kPairs) {
        table[pair.evdev] = pair.virtualKey;
    }
    return table;
}

constexpr std::array<std::uint8_t, kCodes> kTable = makeTable();

constexpr unsigned kXKeycodeOffset = 8;

}  // namespace

std::uint8_t virtualKeyOfEvdev(unsigned evdevCode) {
    return evdevCode < kCodes ? kTable[evdevCode] : 0;
}

std::uint8_t virtualKeyOfXKeycode(unsigned xKeycode) {
    return xKeycode >= kXKeycodeOffset ? virtualKeyOfEvdev(xKeycode - kXKeycodeOffset) : 0;
}

}  // namespace hook
