#pragma once

#include <string>

#include "keyboard/link/LinkModel.h"
#include "keyboard/model/AppSettings.h"
#include "keyboard/model/MacroLibrary.h"
#include "keyboard/model/ProfileFiles.h"

// The configurator's own data as the command protocol sees it: the five
// profile records with their files, the settings and the macro library.
class ModelBinding : public LinkModel {
public:
    ModelBinding(AppSettings& settings, ProfileRecords& profiles, MacroLibrary& library);

    std::string Setting(int profile, int position) const override;
    void SetSetting(int profile, int position, const std::string& value) override;
    std::array<std::uint8_t, 160> KeyMap(int profile) const override;
    void SetKeyMap(int profile, const std::array<std::uint8_t, 160>& keyMap) override;
    std::array<std::uint8_t, 3> GKeyFunction(int profile, int slot) const override;
    void SetGKeyFunction(int profile, int slot, const std::array<std::uint8_t, 3>& function) override;
    std::string GKeyName(int profile, int slot) const override;
    void SetGKeyName(int profile, int slot, const std::string& name) override;
    std::string GKeyLaunchPath(int profile, int slot) const override;
    void SetCurrentProfile(int profile) override;
    bool SaveProfile(int profile) override;

    bool FindMacro(const std::string& name, Macro& macro) const override;
    void StoreMacro(const std::string& name, const Macro& macro) override;
    void SetMacrosModified(bool modified) override { macrosModified_ = modified; }
    bool MacrosModified() const override { return macrosModified_; }
    bool SaveMacroLibrary() override;

    std::uint8_t VirtualKeyToUsage(std::uint8_t virtualKey) const override;
    std::uint8_t UsageToVirtualKey(std::uint8_t usage) const override;

private:
    const GKeySlot& Slot(int profile, int slot) const;
    GKeySlot& Slot(int profile, int slot);

    AppSettings& settings_;
    ProfileRecords& profiles_;
    MacroLibrary& library_;
    bool macrosModified_ = false;
};
