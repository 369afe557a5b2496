#pragma once

#include "keyboard/dialogs/CLightListPopup.h"

// The LIGHT page's list of backlight modes.
class CLightModePopup : public CLightListPopup {
public:
    static constexpr int kKind = 9;

    CLightModePopup();
};
