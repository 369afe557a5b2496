#include "keyboard/link/ModelBinding.h"

#include <algorithm>

#include "keyboard/model/KeyNames.h"
#include "keyboard/model/MacroFiles.h"

ModelBinding::ModelBinding(AppSettings& settings, ProfileRecords& profiles, MacroLibrary& library)
    : settings_(settings), profiles_(profiles), library_(library) {}

const GKeySlot& ModelBinding::Slot(int profile, int slot) const {
    return profiles_.Record(profile).gKeys.at(static_cast<std::size_t>(slot));
}

GKeySlot& ModelBinding::Slot(int profile, int slot) {
    return profiles_.Record(profile).gKeys.at(static_cast<std::size_t>(slot));
}

std::string ModelBinding::Setting(int profile, int position) const {
    return profiles_.Record(profile).Setting(position);
}

void ModelBinding::SetSetting(int profile, int position, const std::string& value) {
    profiles_.Record(profile).SetSetting(position, value);
}

std::array<std::uint8_t, 160> ModelBinding::KeyMap(int profile) const {
    return profiles_.Record(profile).keyMap;
}

void ModelBinding::SetKeyMap(int profile, const std::array<std::uint8_t, 160>& keyMap) {
    profiles_.Record(profile).keyMap = keyMap;
}

std::array<std::uint8_t, 3> ModelBinding::GKeyFunction(int profile, int slot) const {
    return Slot(profile, slot).function.Bytes();
}

void ModelBinding::SetGKeyFunction(int profile, int slot, const std::array<std::uint8_t, 3>& function) {
    Slot(profile, slot).function = KeyFunction{function[0], function[1], function[2]};
}

std::string ModelBinding::GKeyName(int profile, int slot) const {
    return Slot(profile, slot).name;
}

void ModelBinding::SetGKeyName(int profile, int slot, const std::string& name) {
    Slot(profile, slot).name = name;
}

std::string ModelBinding::GKeyLaunchPath(int profile, int slot) const {
    return Slot(profile, slot).launchPath;
}

void ModelBinding::SetCurrentProfile(int profile) {
    settings_.SetCurrentProfile(profile);
}

bool ModelBinding::SaveProfile(int profile) {
    return profiles_.SaveProfile(profile);
}

bool ModelBinding::FindMacro(const std::string& name, Macro& macro) const {
    const MacroKey* found = library_.FindMacro(name);
    if (!found) {
        return false;
    }
    macro.loopEnable = found->loopEnable != 0;
    macro.loopCount = found->loopCount;
    macro.pairCount = found->pairCount;
    macro.actions.clear();
    for (std::uint32_t i = 0; i < std::min(found->actionCount, kMacroActionSlots); ++i) {
        macro.actions.push_back(found->actions[i].bytes);
    }
    return true;
}

void ModelBinding::StoreMacro(const std::string& name, const Macro& macro) {
    MacroKey* target = library_.FindMacro(name);
    if (!target) {
        if (library_.sets.empty()) {
            library_.AddSet(MacroLibrary::kDefaultSetName);
        }
        target = &library_.sets.front().AddMacro(name);
    }
    target->loopEnable = macro.loopEnable ? 1 : 0;
    target->loopCount = macro.loopCount;
    target->pairCount = std::min(macro.pairCount, kMacroPairLimit);
    target->actionCount = 0;
    for (const auto& bytes : macro.actions) {
        if (!target->AppendAction(MacroAction{bytes})) {
            break;
        }
    }
}

// A library that could not be written stays marked, so the next Apply writes it.
bool ModelBinding::SaveMacroLibrary() {
    const bool written = ::SaveMacroLibrary(library_, settings_.ProgramFolder());
    macrosModified_ = !written;
    return written;
}

std::uint8_t ModelBinding::VirtualKeyToUsage(std::uint8_t virtualKey) const {
    return ::VirtualKeyToUsage(virtualKey);
}

std::uint8_t ModelBinding::UsageToVirtualKey(std::uint8_t usage) const {
    return ::UsageToVirtualKey(usage);
}
