#include "keyboard/dialogs/CLightBrightnessPopup.h"

#include "keyboard/model/LightingNames.h"

CLightBrightnessPopup::CLightBrightnessPopup()
    : CLightListPopup("CLightBrightnessPopup", kKind, LightBrightnessName, kLightBrightnessCount) {}
