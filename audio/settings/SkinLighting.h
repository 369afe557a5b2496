#pragma once

#include "audio/settings/AudioState.h"
#include "audio/settings/SkinSettings.h"

// What a loaded skin tells the sound state: the lighting page's mode and speed
// side and, once the load got past them, the skin's starting colours.
void StoreSkinLighting(const SkinSettings& skin, AudioState& state);
