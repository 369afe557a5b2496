#pragma once

#include <array>
#include <string>

#include "keyboard/model/KeyFunction.h"
#include "keyboard/model/KeyMap.h"
#include "keyboard/model/SettingPair.h"

// One programmable G key of a profile.
struct GKeySlot {
    std::string name;        // what the user saw when choosing the function
    std::string launchPath;  // the program of a quick-launch function
    KeyFunction function;
    friend bool operator==(const GKeySlot&, const GKeySlot&) = default;
};

// Positions of the named settings of a profile.
enum ProfileSetting {
    kProfileName = 0,
    kLightMode = 1,
    kLightBrightness = 2,
    kLightSpeed = 3,
    kLightArea1Color = 4,  // ..8 for area 5
};

// Everything the keyboard keeps per on-board profile, plus a name kept only
// here. Positions, not keys, give the settings their meaning.
class ProfileRecord {
public:
    static constexpr int kSettings = 9;
    static constexpr int kGKeys = 6;

    // Defaults of slot 0..4 ("Default1".."Default5"); launch paths keep their text.
    void ResetProfile(int slot);

    std::string Setting(int position) const;
    void SetSetting(int position, const std::string& value);
    // The value as a decimal number (text that is no number reads as 0).
    int NumericSetting(int position) const;
    // "%d" into mode, brightness or speed (positions 1..3).
    void SetNumericSetting(int position, int value);

    // Slot 0..5; null for any other index.
    GKeySlot* GKey(int index);
    const GKeySlot* GKey(int index) const;
    void SetGKey(int index, const std::string& name, const KeyFunction& function,
                 const std::string& launchPath);

    friend bool operator==(const ProfileRecord&, const ProfileRecord&) = default;

    std::array<SettingPair, kSettings> settings;
    KeyMap keyMap{};
    std::array<GKeySlot, kGKeys> gKeys;
};
