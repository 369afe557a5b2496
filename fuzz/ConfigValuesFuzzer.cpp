// Integer values of the panel's configuration: parsed, or refused with the
// conversion error, and never anything else.
#include <cstdint>
#include <string_view>

#include "audio/settings/ConfigValues.h"
#include "audio/settings/EConvertError.h"
#include "platform/core/Unicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)LenientInteger(text);
    try {
        (void)StrictInteger(text);
    } catch (const EConvertError&) {
    }
    auto items = SplitListItems(text);
    if (items.size() > kListItemLimit) {
        __builtin_trap();
    }
    for (const auto& item : items) {
        // The limit counts characters, however many bytes they take.
        if (core::cutToCharacters(item, kListItemCharacters).size() != item.size()) {
            __builtin_trap();
        }
    }
    try {
        (void)IntegerList(text);
    } catch (const EConvertError&) {
    }
    return 0;
}
