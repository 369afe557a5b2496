#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "keyboard/link/LinkModel.h"

// The configurator's data held in memory, for driving the link without files.
// Key codes convert for letters and digits, which is all these tests use.
class MemoryModel : public LinkModel {
public:
    struct Profile {
        std::array<std::string, 9> settings{"Default", "1", "4", "1", "4", "4", "4", "4", "4"};
        std::array<std::uint8_t, 160> keyMap{};
        std::array<std::array<std::uint8_t, 3>, 6> functions{};
        std::array<std::string, 6> names{};
        std::array<std::string, 6> launchPaths{};
    };

    std::array<Profile, 5> profiles;
    int currentProfile = 0;
    std::vector<std::pair<std::string, Macro>> macros;  // the first macro set, in order
    bool macrosModified = false;
    std::vector<int> savedProfiles;
    int librarySaves = 0;

    std::string Setting(int p, int position) const override { return profiles.at(p).settings.at(position); }
    void SetSetting(int p, int position, const std::string& value) override {
        profiles.at(p).settings.at(position) = value;
    }
    std::array<std::uint8_t, 160> KeyMap(int p) const override { return profiles.at(p).keyMap; }
    void SetKeyMap(int p, const std::array<std::uint8_t, 160>& keyMap) override {
        profiles.at(p).keyMap = keyMap;
    }
    std::array<std::uint8_t, 3> GKeyFunction(int p, int slot) const override {
        return profiles.at(p).functions.at(slot);
    }
    void SetGKeyFunction(int p, int slot, const std::array<std::uint8_t, 3>& function) override {
        profiles.at(p).functions.at(slot) = function;
    }
    std::string GKeyName(int p, int slot) const override { return profiles.at(p).names.at(slot); }
    void SetGKeyName(int p, int slot, const std::string& name) override {
        profiles.at(p).names.at(slot) = name;
    }
    std::string GKeyLaunchPath(int p, int slot) const override { return profiles.at(p).launchPaths.at(slot); }
    void SetCurrentProfile(int p) override { currentProfile = p; }
    bool SaveProfile(int p) override {
        savedProfiles.push_back(p);
        return true;
    }

    bool FindMacro(const std::string& name, Macro& macro) const override {
        for (const auto& [macroName, stored] : macros) {
            if (macroName == name) {
                macro = stored;
                return true;
            }
        }
        return false;
    }
    void StoreMacro(const std::string& name, const Macro& macro) override {
        for (auto& [macroName, stored] : macros) {
            if (macroName == name) {
                stored = macro;
                return;
            }
        }
        macros.emplace_back(name, macro);
    }
    void SetMacrosModified(bool modified) override { macrosModified = modified; }
    bool MacrosModified() const override { return macrosModified; }
    bool SaveMacroLibrary() override {
        ++librarySaves;
        return true;
    }

    std::uint8_t VirtualKeyToUsage(std::uint8_t vk) const override {
        if (vk >= 0x41 && vk <= 0x5A)
            return static_cast<std::uint8_t>(vk - 0x41 + 0x04);
        if (vk >= 0x31 && vk <= 0x39)
            return static_cast<std::uint8_t>(vk - 0x31 + 0x1E);
        return 0x00;
    }
    std::uint8_t UsageToVirtualKey(std::uint8_t usage) const override {
        if (usage >= 0x04 && usage <= 0x1D)
            return static_cast<std::uint8_t>(usage - 0x04 + 0x41);
        if (usage >= 0x1E && usage <= 0x26)
            return static_cast<std::uint8_t>(usage - 0x1E + 0x31);
        return 0x00;
    }
};
