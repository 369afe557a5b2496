#pragma once

#include "keyboard/resources/LayoutRect.h"

// The keyboard picture of the KEY MAP page: where each of the 104 key buttons
// and the five G keys sit in the main window, and which image draws them.
namespace layout {

inline constexpr int kKeyButtonCount = 104;
inline constexpr int kGKeyCount = 5;

// Key images are 3-frame strips with ids from here upwards, one per button number.
inline constexpr unsigned kFirstKeyImageId = 3000;

// Legend printed on the key cap: the key's label, wrapped onto two lines or shortened
// to its printed form where the cap is small (arrows, keypad digits, Shift_L as Shift).
struct KeyPlace {
    LayoutRect rect;
    const char* caption;
};

// Button number 0..103 in the order of the key-name table; out of range gives
// an empty place.
KeyPlace keyButtonPlace(int number);
unsigned keyImageId(int number);

// G keys 1..5 down the left edge of the picture (images 389..393).
LayoutRect gKeyRect(int index);
unsigned gKeyImageId(int index);

// The plate the keys sit on, inside the page band.
LayoutRect keyboardPlateRect();

}  // namespace layout
