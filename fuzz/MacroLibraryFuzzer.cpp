// The macro library: any content loads or becomes the default library; no
// macro ever claims more actions or pairs than it can hold.
#include "FuzzInput.h"
#include "keyboard/model/MacroFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parsed = ParseMacroLibrary(AsText(data, size));
    if (!parsed) {
        return 0;
    }
    FUZZ_CHECK(parsed->SetCount() >= 1);
    for (const auto& set : parsed->sets) {
        for (const auto& macro : set.macros) {
            FUZZ_CHECK(macro.actionCount <= kMacroActionSlots);
            FUZZ_CHECK(macro.pairCount <= kMacroPairLimit);
        }
    }
    // What was read writes back to text that reads the same.
    auto again = ParseMacroLibrary(MacroLibraryText(*parsed));
    FUZZ_CHECK(again.has_value());
    return 0;
}
