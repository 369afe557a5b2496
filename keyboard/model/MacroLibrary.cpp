#include "keyboard/model/MacroLibrary.h"

#include <algorithm>

MacroAction MacroAction::Key(std::uint8_t virtualKey, bool released) {
    return MacroAction{{virtualKey, static_cast<std::uint8_t>(released ? 0x80 : 0x00), 0, 0}};
}

MacroAction MacroAction::Delay(std::uint32_t milliseconds) {
    return MacroAction{{3, static_cast<std::uint8_t>(milliseconds >> 16),
                        static_cast<std::uint8_t>(milliseconds >> 8),
                        static_cast<std::uint8_t>(milliseconds)}};
}

bool MacroKey::SetAction(std::uint32_t slot, const MacroAction& action) {
    if (slot >= kMacroActionSlots) {
        return false;
    }
    actions[slot] = action;
    return true;
}

bool MacroKey::InsertAction(std::uint32_t slot, const MacroAction& action) {
    if (actionCount >= kMacroActionSlots || slot > actionCount) {
        return false;
    }
    std::copy_backward(actions.begin() + slot, actions.begin() + actionCount,
                       actions.begin() + actionCount + 1);
    actions[slot] = action;
    ++actionCount;
    return true;
}

MacroAction MacroKey::GetAction(std::uint32_t slot) const {
    return slot < kMacroActionSlots ? actions[slot] : actions[0];
}

MacroKey& MacroSet::AddMacro(const std::string& macroName) {
    MacroKey macro;
    macro.name = macroName;
    macros.push_back(macro);
    return macros.back();
}

MacroKey* MacroSet::GetMacro(int index) {
    return index >= 0 && index < static_cast<int>(macros.size()) ? &macros[static_cast<std::size_t>(index)]
                                                                 : nullptr;
}

const MacroKey* MacroSet::GetMacro(int index) const {
    return const_cast<MacroSet*>(this)->GetMacro(index);
}

bool MacroSet::DeleteMacro(int index) {
    if (!GetMacro(index)) {
        return false;
    }
    macros.erase(macros.begin() + index);
    return true;
}

MacroLibrary MacroLibrary::Default() {
    MacroLibrary library;
    library.AddSet(kDefaultSetName);
    return library;
}

MacroSet& MacroLibrary::AddSet(const std::string& name) {
    sets.push_back(MacroSet{name, {}});
    return sets.back();
}

MacroSet* MacroLibrary::GetSet(int index) {
    return index >= 0 && index < SetCount() ? &sets[static_cast<std::size_t>(index)] : nullptr;
}

const MacroSet* MacroLibrary::GetSet(int index) const {
    return const_cast<MacroLibrary*>(this)->GetSet(index);
}

bool MacroLibrary::DeleteSet(int index) {
    if (!GetSet(index)) {
        return false;
    }
    sets.erase(sets.begin() + index);
    return true;
}

MacroKey* MacroLibrary::FindMacro(const std::string& name) {
    if (sets.empty()) {
        return nullptr;
    }
    for (auto& macro : sets.front().macros) {
        if (macro.name == name) {
            return &macro;
        }
    }
    return nullptr;
}

const MacroKey* MacroLibrary::FindMacro(const std::string& name) const {
    return const_cast<MacroLibrary*>(this)->FindMacro(name);
}
