#pragma once

#include <string>

#include "keyboard/link/ModelBinding.h"
#include "keyboard/model/AppSettings.h"
#include "keyboard/model/MacroLibrary.h"
#include "keyboard/model/ProfileFiles.h"

// What the configurator keeps while it runs: the settings file, the five
// profiles, the macro library, and the view of them the keyboard link uses.
struct ConfiguratorData {
    explicit ConfiguratorData(const std::string& programFolder) : settings(programFolder) {}

    AppSettings settings;
    ProfileRecords profiles{settings};
    MacroLibrary library;
    ModelBinding model{settings, profiles, library};
};
