#pragma once

#include "keyboard/model/KeyMap.h"

// The 104 keys of the keyboard picture, numbered 0..103; the main window gives
// key n the control id 2200 + n.
inline constexpr int kKeyButtonCount = 104;

struct KeyButton {
    const char* label;
    int matrixIndex;
    KeyMapCode defaultCode;
};

// Button n; null outside 0..103.
const KeyButton* KeyButtonAt(int button);

// The key-matrix index of button n; 10 for a number outside 0..103.
int KeyMatrixIndex(int button);

// The code button n has in a key map.
KeyMapCode ButtonCode(const KeyMap& keyMap, int button);

// Keys that carry a second function on the keyboard get their key-own code
// instead of their plain usage when they are given back their own function.
KeyMapCode KeyOwnSubstitution(int button, KeyMapCode code);

// Stores a code for button n (after the substitution) at its index.
void AssignButtonCode(KeyMap& keyMap, int button, KeyMapCode code);

// A key counts as changed when its code differs from its default.
bool IsButtonChanged(const KeyMap& keyMap, int button);
