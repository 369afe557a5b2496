#pragma once

#include <string>

#include "audio/settings/AudioState.h"

// Writes the 48 keys of a sound profile into the file at `path`, replacing
// keys already there and keeping everything else of the file. The file is
// replaced whole, once. Always 0: writes never report failure.
int WriteProfile(AudioState& state, const std::string& path);
