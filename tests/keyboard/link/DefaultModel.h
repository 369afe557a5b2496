#pragma once

#include <string>

#include "keyboard/link/ModelBinding.h"

// The configurator's data at its defaults, with its files under a scratch
// program folder, as the link sees it: for the link's tests, benchmark and fuzzer.
struct DefaultModel {
    explicit DefaultModel(const std::string& programFolder) : settings(programFolder) {
        settings.SetDefaults();
        for (int p = 0; p < ProfileRecords::kCount; ++p)
            profiles.ResetProfile(p);
    }

    AppSettings settings;
    ProfileRecords profiles{settings};
    MacroLibrary library = MacroLibrary::Default();
    ModelBinding model{settings, profiles, library};
};
