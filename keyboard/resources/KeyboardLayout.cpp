#include "keyboard/resources/KeyboardLayout.h"

#include <cmath>

namespace layout {
namespace {

// Geometry of the picture: one key unit, the gap between caps, and the origin
// of the main block (the G keys sit one and a half units to its left).
constexpr int kUnit = 30;
constexpr int kGap = 3;
constexpr int kMainLeft = 80;
constexpr int kGKeyLeft = 35;
constexpr int kTop = 222;

struct KeySpec {
    double column;  // in units from the main block's left edge
    int row;        // 0 = function row
    double width;   // in units
    double height;  // in units
    const char* caption;
};

// In button-number order; the function row stands half a unit apart.
constexpr KeySpec kKeys[kKeyButtonCount] = {
    {0, 0, 1, 1, "Esc"},
    {2, 0, 1, 1, "F1"},
    {3, 0, 1, 1, "F2"},
    {4, 0, 1, 1, "F3"},
    {5, 0, 1, 1, "F4"},
    {6.5, 0, 1, 1, "F5"},
    {7.5, 0, 1, 1, "F6"},
    {8.5, 0, 1, 1, "F7"},
    {9.5, 0, 1, 1, "F8"},
    {11, 0, 1, 1, "F9"},
    {12, 0, 1, 1, "F10"},
    {13, 0, 1, 1, "F11"},
    {14, 0, 1, 1, "F12"},
    {15.5, 0, 1, 1, "Print"},
    {16.5, 0, 1, 1, "Scroll\nLock"},
    {17.5, 0, 1, 1, "Pause"},
    {0, 1, 1, 1, "~"},
    {1, 1, 1, 1, "1"},
    {2, 1, 1, 1, "2"},
    {3, 1, 1, 1, "3"},
    {4, 1, 1, 1, "4"},
    {5, 1, 1, 1, "5"},
    {6, 1, 1, 1, "6"},
    {7, 1, 1, 1, "7"},
    {8, 1, 1, 1, "8"},
    {9, 1, 1, 1, "9"},
    {10, 1, 1, 1, "0"},
    {11, 1, 1, 1, "-"},
    {12, 1, 1, 1, "="},
    {13, 1, 2, 1, "Backspace"},
    {15.5, 1, 1, 1, "Ins"},
    {16.5, 1, 1, 1, "Home"},
    {17.5, 1, 1, 1, "Page\nUp"},
    {19, 1, 1, 1, "Num\nLock"},
    {20, 1, 1, 1, "/"},
    {21, 1, 1, 1, "*"},
    {22, 1, 1, 1, "-"},
    {0, 2, 1.5, 1, "Tab"},
    {1.5, 2, 1, 1, "Q"},
    {2.5, 2, 1, 1, "W"},
    {3.5, 2, 1, 1, "E"},
    {4.5, 2, 1, 1, "R"},
    {5.5, 2, 1, 1, "T"},
    {6.5, 2, 1, 1, "Y"},
    {7.5, 2, 1, 1, "U"},
    {8.5, 2, 1, 1, "I"},
    {9.5, 2, 1, 1, "O"},
    {10.5, 2, 1, 1, "P"},
    {11.5, 2, 1, 1, "["},
    {12.5, 2, 1, 1, "]"},
    {13.5, 2, 1.5, 1, "\\"},
    {15.5, 2, 1, 1, "Del"},
    {16.5, 2, 1, 1, "End"},
    {17.5, 2, 1, 1, "Page\nDown"},
    {19, 2, 1, 1, "7"},
    {20, 2, 1, 1, "8"},
    {21, 2, 1, 1, "9"},
    {22, 2, 1, 2, "+"},
    {0, 3, 1.75, 1, "Caps Lock"},
    {1.75, 3, 1, 1, "A"},
    {2.75, 3, 1, 1, "S"},
    {3.75, 3, 1, 1, "D"},
    {4.75, 3, 1, 1, "F"},
    {5.75, 3, 1, 1, "G"},
    {6.75, 3, 1, 1, "H"},
    {7.75, 3, 1, 1, "J"},
    {8.75, 3, 1, 1, "K"},
    {9.75, 3, 1, 1, "L"},
    {10.75, 3, 1, 1, ";"},
    {11.75, 3, 1, 1, "'"},
    {12.75, 3, 2.25, 1, "Enter"},
    {19, 3, 1, 1, "4"},
    {20, 3, 1, 1, "5"},
    {21, 3, 1, 1, "6"},
    {0, 4, 1.25, 1, "Shift"},
    {2.25, 4, 1, 1, "Z"},
    {3.25, 4, 1, 1, "X"},
    {4.25, 4, 1, 1, "C"},
    {5.25, 4, 1, 1, "V"},
    {6.25, 4, 1, 1, "B"},
    {7.25, 4, 1, 1, "N"},
    {8.25, 4, 1, 1, "M"},
    {9.25, 4, 1, 1, ","},
    {10.25, 4, 1, 1, "."},
    {11.25, 4, 1, 1, "/"},
    {12.25, 4, 2.75, 1, "Shift"},
    {16.5, 4, 1, 1, "\xE2\x86\x91"},
    {19, 4, 1, 1, "1"},
    {20, 4, 1, 1, "2"},
    {21, 4, 1, 1, "3"},
    {22, 4, 1, 2, "Enter"},
    {0, 5, 1.5, 1, "Ctrl"},
    {1.5, 5, 1.25, 1, "Win"},
    {2.75, 5, 1.5, 1, "Alt"},
    {4.25, 5, 6.25, 1, ""},
    {10.5, 5, 1.5, 1, "Alt"},
    {12, 5, 1.5, 1, "App"},
    {13.5, 5, 1.5, 1, "Ctrl"},
    {15.5, 5, 1, 1, "\xE2\x86\x90"},
    {16.5, 5, 1, 1, "\xE2\x86\x93"},
    {17.5, 5, 1, 1, "\xE2\x86\x92"},
    {19, 5, 2, 1, "0"},
    {21, 5, 1, 1, "."},
    {1.25, 4, 1, 1, "\\"},
};

int rowTop(int row) {
    // The function row stands apart from the rest by half a unit.
    return row == 0 ? kTop : kTop + (2 * row + 1) * kUnit / 2;
}

int units(double value) {
    return static_cast<int>(std::lround(value * kUnit));
}

}  // namespace

KeyPlace keyButtonPlace(int number) {
    if (number < 0 || number >= kKeyButtonCount) {
        return {{}, ""};
    }
    const KeySpec& key = kKeys[number];
    const int left = kMainLeft + units(key.column);
    const int top = rowTop(key.row);
    return {{left, top, left + units(key.width) - kGap, top + units(key.height) - kGap}, key.caption};
}

unsigned keyImageId(int number) {
    return kFirstKeyImageId + static_cast<unsigned>(number);
}

LayoutRect gKeyRect(int index) {
    const int top = rowTop(index + 1);
    return {kGKeyLeft, top, kGKeyLeft + kUnit - kGap, top + kUnit - kGap};
}

unsigned gKeyImageId(int index) {
    return 389 + static_cast<unsigned>(index);
}

LayoutRect keyboardPlateRect() {
    return {20, 204, 785, 432};
}

}  // namespace layout
