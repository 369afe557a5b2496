#pragma once

#include "platform/ui/Types.h"

// The interaction state every button shares: normal, hover, pressed. Pressed
// is sticky: moving the mouse does not change it until the button is released.
class ButtonState {
public:
    enum Value { normal = 0, hover = 1, pressed = 2 };

    int Get() const { return state_; }

    // Each returns TRUE when the state changed.
    ui::BOOL Move(bool inside);
    // TRUE when the press landed inside (the state is then pressed).
    bool Press(bool inside);
    // TRUE when the release landed inside (the state is then hover).
    bool Release(bool inside);
    // Back to normal, whatever happened; TRUE when the state changed.
    ui::BOOL Reset() { return Set(normal); }

private:
    ui::BOOL Set(int state);
    int state_ = normal;
};
