#pragma once

#include <string>

#include "keyboard/model/MacroLibrary.h"
#include "keyboard/model/ProfileFiles.h"

// What the RECORD page must tell the user; kNone when all went well.
enum class MacroMessage {
    kNone,
    kMacroExists,     // "The macro is existen"
    kNameTooLong,     // "The lengh of name exceed 12"
    kListNameExists,  // the list control's own wording of the two cases
    kListNameTooLong,
    kLoopRange,       // "The range of loop times is 1~255"
    kSelectToDelete,  // "Please select which Macro to delete!"
    kMacroInUse,      // "The Macro which want to delete is using,can't delete it!"
    kImportError,     // "The Import file is error!"
    kFullDelaysOff,   // "The number of action if full!"
    kFullShortDelay,  // "The Number of Action is full!"
    kFullLongDelay,   // "The number of action is full!"
};

// The text of the attention dialog for a message ("" for kNone).
const char* MacroMessageText(MacroMessage message);

inline constexpr std::size_t kMacroNameLimit = 12;

// Characters of a UTF-8 name (not bytes).
std::size_t NameLength(const std::string& name);

// A new macro's name from the RECORD page: an empty name adds nothing; a
// taken name or one of more than 12 characters is refused with its message;
// otherwise the macro is added at the end of the first set.
MacroMessage AddNewMacro(MacroLibrary& library, const std::string& name);

// The loop count typed on the RECORD page: 1..255 is stored; anything else
// stores 1, asks for the text "1" and reports the range.
struct LoopEntry {
    std::uint8_t loopCount;
    bool resetText;
    MacroMessage message;
};
LoopEntry ParseLoopCount(const std::string& text);

// True when a G key of profile 0, 1 or 2 plays the macro of exactly this name.
bool MacroInUse(const std::string& name, const ProfileRecords& profiles);

// Deletes macro `index` of the first set unless nothing is selected or a G key uses it.
MacroMessage DeleteMacro(MacroLibrary& library, int index, const ProfileRecords& profiles);
