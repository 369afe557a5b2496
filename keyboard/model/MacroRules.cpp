#include "keyboard/model/MacroRules.h"

#include "keyboard/model/TextLines.h"

const char* MacroMessageText(MacroMessage message) {
    switch (message) {
        case MacroMessage::kNone:
            return "";
        case MacroMessage::kMacroExists:
            return "The macro is existen";
        case MacroMessage::kNameTooLong:
            return "The lengh of name exceed 12";
        case MacroMessage::kListNameExists:
            return "The Macro is existent,please rename it!";
        case MacroMessage::kListNameTooLong:
            return "The lengh of name is exceed 12,please new it again!";
        case MacroMessage::kLoopRange:
            return "The range of loop times is 1~255";
        case MacroMessage::kSelectToDelete:
            return "Please select which Macro to delete!";
        case MacroMessage::kMacroInUse:
            return "The Macro which want to delete is using,can't delete it!";
        case MacroMessage::kImportError:
            return "The Import file is error!";
        case MacroMessage::kFullDelaysOff:
            return "The number of action if full!";
        case MacroMessage::kFullShortDelay:
            return "The Number of Action is full!";
        case MacroMessage::kFullLongDelay:
            return "The number of action is full!";
    }
    return "";
}

std::size_t NameLength(const std::string& name) {
    std::size_t characters = 0;
    for (unsigned char c : name) {
        if ((c & 0xC0) != 0x80)
            ++characters;  // count lead bytes only
    }
    return characters;
}

MacroMessage AddNewMacro(MacroLibrary& library, const std::string& name) {
    if (name.empty() || library.sets.empty()) {
        return MacroMessage::kNone;
    }
    if (library.FindMacro(name)) {
        return MacroMessage::kMacroExists;
    }
    if (NameLength(name) > kMacroNameLimit) {
        return MacroMessage::kNameTooLong;
    }
    library.sets.front().AddMacro(name);
    return MacroMessage::kNone;
}

LoopEntry ParseLoopCount(const std::string& text) {
    int value = ParseDecimal(text);
    if (value >= 1 && value <= 255) {
        return {static_cast<std::uint8_t>(value), false, MacroMessage::kNone};
    }
    return {1, true, MacroMessage::kLoopRange};
}

bool MacroInUse(const std::string& name, const ProfileRecords& profiles) {
    for (int profile = 0; profile < 3; ++profile) {
        for (const auto& key : profiles.Record(profile).gKeys) {
            if (key.function.Category() == FunctionCategory::Macro && key.name == name) {
                return true;
            }
        }
    }
    return false;
}

MacroMessage DeleteMacro(MacroLibrary& library, int index, const ProfileRecords& profiles) {
    MacroSet* set = library.GetSet(0);
    const MacroKey* macro = set ? set->GetMacro(index) : nullptr;
    if (!macro) {
        return MacroMessage::kSelectToDelete;
    }
    if (MacroInUse(macro->name, profiles)) {
        return MacroMessage::kMacroInUse;
    }
    set->DeleteMacro(index);
    return MacroMessage::kNone;
}
