#include "keyboard/dialogs/CLightSpeedPopup.h"

#include "keyboard/model/LightingNames.h"

CLightSpeedPopup::CLightSpeedPopup()
    : CLightListPopup("CLightSpeedPopup", kKind, LightSpeedName, kLightSpeedCount) {}
