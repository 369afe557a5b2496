#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "audio/settings/CaptionSetting.h"

constexpr std::size_t kCaptionTextCharacters = 127;
constexpr std::size_t kCaptionFontCharacters = 63;

// The texts of the window in one language, as Language.ini gives them: the
// global font and one CaptionSetting per caption key, in CaptionKeys() order.
class LanguageTable {
public:
    LanguageTable();

    // Clears every record, then reads the table at `path`; a missing file reads
    // as all-empty. With `oldVersion` non-zero the page captions' given left
    // and top are moved by the old scheme's page offset. A malformed integer
    // throws EConvertError, keeping the records read before it.
    void Load(const std::string& path, int oldVersion);

    const GlobalFont& Global() const { return m_globalFont; }
    // The record of a caption key; an empty one for a key that is not a caption key.
    const CaptionSetting& Caption(std::string_view key) const;
    const std::vector<CaptionSetting>& Captions() const { return m_captions; }

private:
    GlobalFont m_globalFont;
    std::vector<CaptionSetting> m_captions;
};

// Fills a record from a caption value: up to ten comma-separated items (text,
// two colours, font, size, left, top, width, height, page). The page starts as
// `sectionPage`; item 10 replaces it. Empty items leave their field unset.
CaptionSetting ParseCaption(std::string_view value, int sectionPage, int oldVersion);

// Where a language's table lies: the program folder, the language folder name,
// the resolution folder, the language's own folder, "Language.ini".
std::string LanguageTablePath(const std::string& programFolder, const std::string& languageFolderName,
                              const std::string& resolutionFolder, const std::string& language);
