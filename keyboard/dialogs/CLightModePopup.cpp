#include "keyboard/dialogs/CLightModePopup.h"

#include "keyboard/model/LightingNames.h"

CLightModePopup::CLightModePopup()
    : CLightListPopup("CLightModePopup", kKind, LightModeName, kLightModeCount) {}
