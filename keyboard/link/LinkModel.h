#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "keyboard/link/MacroPairs.h"

// The part of the configurator's data that the command protocol reads and
// writes: five profile records, the current profile setting and the first
// macro set of the library. Profiles are 0..4, settings positions 0..8
// (1 mode, 2 brightness, 3 speed, 4..8 the area colours), G-key slots 0..5.
class LinkModel {
public:
    struct Macro {
        bool loopEnable = true;
        std::uint8_t loopCount = 1;
        std::uint8_t pairCount = 0;
        std::vector<MacroActionBytes> actions;
    };

    virtual ~LinkModel() = default;

    virtual std::string Setting(int profile, int position) const = 0;
    virtual void SetSetting(int profile, int position, const std::string& value) = 0;
    virtual std::array<std::uint8_t, 160> KeyMap(int profile) const = 0;
    virtual void SetKeyMap(int profile, const std::array<std::uint8_t, 160>& keyMap) = 0;
    virtual std::array<std::uint8_t, 3> GKeyFunction(int profile, int slot) const = 0;
    virtual void SetGKeyFunction(int profile, int slot, const std::array<std::uint8_t, 3>& function) = 0;
    virtual std::string GKeyName(int profile, int slot) const = 0;
    virtual void SetGKeyName(int profile, int slot, const std::string& name) = 0;
    virtual std::string GKeyLaunchPath(int profile, int slot) const = 0;
    virtual void SetCurrentProfile(int profile) = 0;
    virtual bool SaveProfile(int profile) = 0;

    // In the first macro set, names compared exactly.
    virtual bool FindMacro(const std::string& name, Macro& macro) const = 0;
    // Replaces the macro of that name, adding it at the end when missing.
    virtual void StoreMacro(const std::string& name, const Macro& macro) = 0;
    // The one "library modified" mark of the program: the library must be
    // written on the next Apply.
    virtual void SetMacrosModified(bool modified) = 0;
    virtual bool MacrosModified() const = 0;
    // Writes the library file; clears the mark when it was written, sets it when not.
    virtual bool SaveMacroLibrary() = 0;

    virtual std::uint8_t VirtualKeyToUsage(std::uint8_t virtualKey) const = 0;
    virtual std::uint8_t UsageToVirtualKey(std::uint8_t usage) const = 0;
};
