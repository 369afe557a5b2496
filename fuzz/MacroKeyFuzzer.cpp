// A macro key file handed over by a user: an invalid one changes nothing.
#include "FuzzInput.h"
#include "keyboard/model/MacroFiles.h"
#include "support/TempFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempFolder folder;
    folder.write("input.mkf", AsText(data, size));
    MacroKey target;
    target.name = "Target";
    target.AppendAction(MacroAction::Key(0x41, false));
    const MacroKey before = target;
    if (ImportMacroKey(folder.file("input.mkf"), target)) {
        FUZZ_CHECK(target.name == "Target");
        FUZZ_CHECK(target.actionCount <= kMacroActionSlots && target.pairCount <= kMacroPairLimit);
    } else {
        FUZZ_CHECK(target == before);
    }
    return 0;
}
