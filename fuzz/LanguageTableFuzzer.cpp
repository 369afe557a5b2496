// Language tables come with the program but may be edited or replaced by anyone.
#include <cstdint>

#include "FuzzInput.h"
#include "support/TempFolder.h"
#include "audio/settings/EConvertError.h"
#include "audio/settings/LanguageTable.h"
#include "platform/core/Unicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempFolder folder;
    folder.write("Language.ini", AsText(data, size));
    LanguageTable table;
    for (int oldVersion : {0, 1}) {
        try {
            table.Load(folder.file("Language.ini"), oldVersion);
        } catch (const EConvertError&) {
            // A malformed integer is the table's error, reported as such.
        }
        for (const CaptionSetting& caption : table.Captions()) {
            FUZZ_CHECK(core::cutToCharacters(caption.m_strText, kCaptionTextCharacters).size() ==
                       caption.m_strText.size());
            FUZZ_CHECK(caption.m_strFont.size() <= 4 * kCaptionFontCharacters);
        }
    }
    return 0;
}
