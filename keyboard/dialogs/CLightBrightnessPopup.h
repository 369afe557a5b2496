#pragma once

#include "keyboard/dialogs/CLightListPopup.h"

// The LIGHT page's list of backlight brightness levels.
class CLightBrightnessPopup : public CLightListPopup {
public:
    static constexpr int kKind = 8;

    CLightBrightnessPopup();
};
