#pragma once

#include "keyboard/dialogs/CLightListPopup.h"

// The LIGHT page's list of lighting effect speeds.
class CLightSpeedPopup : public CLightListPopup {
public:
    static constexpr int kKind = 10;

    CLightSpeedPopup();
};
