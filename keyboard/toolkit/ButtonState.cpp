#include "keyboard/toolkit/ButtonState.h"

ui::BOOL ButtonState::Set(int state) {
    if (state == state_) {
        return ui::FALSE;
    }
    state_ = state;
    return ui::TRUE;
}

ui::BOOL ButtonState::Move(bool inside) {
    if (state_ == pressed) {
        return ui::FALSE;
    }
    return Set(inside ? hover : normal);
}

bool ButtonState::Press(bool inside) {
    if (inside) {
        Set(pressed);
    }
    return inside;
}

bool ButtonState::Release(bool inside) {
    Set(inside ? hover : normal);
    return inside;
}
