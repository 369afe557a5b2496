#include "audio/settings/LanguageTable.h"

#include "audio/settings/CaptionKeys.h"
#include "audio/settings/ConfigValues.h"
#include "audio/settings/ProfileStrings.h"
#include "platform/core/Path.h"
#include "platform/core/Unicode.h"

namespace {

constexpr const char* kGlobalFontSection = "GlobalFont";

std::string readValue(const profile::ProfileReader& file, std::string_view section, std::string_view key) {
    std::string value;
    ReadIniString(file, section, key, value);
    return value;
}

// Only the first item of a global setting counts.
std::string firstItem(const std::string& value) {
    std::vector<std::string> items = SplitListItems(value);
    return items.empty() ? std::string() : items.front();
}

int globalInteger(const profile::ProfileReader& file, const char* key, int whenEmpty) {
    std::string item = firstItem(readValue(file, kGlobalFontSection, key));
    return item.empty() ? whenEmpty : StrictInteger(item);
}

GlobalFont readGlobalFont(const profile::ProfileReader& file) {
    GlobalFont global;
    global.m_iColorUp = globalInteger(file, "ColorUp", 0);
    global.m_iColorDown = globalInteger(file, "ColorDown", 0);
    global.m_strFont =
        core::cutToCharacters(readValue(file, kGlobalFontSection, "Font"), kCaptionFontCharacters);
    global.m_iFontSize = globalInteger(file, "FontSize", -1);
    return global;
}

void takeInteger(const std::vector<std::string>& items, std::size_t index, int& field, bool& given) {
    if (index < items.size() && !items[index].empty()) {
        field = StrictInteger(items[index]);
        given = true;
    }
}

}  // namespace

CaptionSetting ParseCaption(std::string_view value, int sectionPage, int oldVersion) {
    CaptionSetting caption;
    caption.m_iPage = sectionPage;
    std::vector<std::string> items = SplitListItems(value);
    if (items.empty()) {
        return caption;
    }
    caption.m_strText = core::cutToCharacters(items[0], kCaptionTextCharacters);
    takeInteger(items, 1, caption.m_iColorUp, caption.m_bColorUp);
    takeInteger(items, 2, caption.m_iColorDown, caption.m_bColorDown);
    if (items.size() > 3 && !items[3].empty()) {
        caption.m_strFont = core::cutToCharacters(items[3], kCaptionFontCharacters);
        caption.m_bFont = true;
    }
    takeInteger(items, 4, caption.m_iFontSize, caption.m_bFontSize);
    takeInteger(items, 5, caption.m_iLeft, caption.m_bLeft);
    takeInteger(items, 6, caption.m_iTop, caption.m_bTop);
    takeInteger(items, 7, caption.m_iWidth, caption.m_bWidth);
    takeInteger(items, 8, caption.m_iHeight, caption.m_bHeight);
    bool pageGiven = false;
    takeInteger(items, 9, caption.m_iPage, pageGiven);
    // The old scheme moves what its section places, whatever page item 10 names.
    if (oldVersion != 0 && sectionPage != PageAlways) {
        if (caption.m_bLeft) {
            caption.m_iLeft += kOldVersionLeftOffset;
        }
        if (caption.m_bTop) {
            caption.m_iTop += kOldVersionTopOffset;
        }
    }
    return caption;
}

LanguageTable::LanguageTable() : m_captions(CaptionKeys().size()) {}

void LanguageTable::Load(const std::string& path, int oldVersion) {
    m_globalFont = GlobalFont{};
    m_captions.assign(CaptionKeys().size(), CaptionSetting{});
    const profile::ProfileReader file(path);
    m_globalFont = readGlobalFont(file);
    std::span<const CaptionKey> keys = CaptionKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        m_captions[i] = ParseCaption(readValue(file, keys[i].m_strSection, keys[i].m_strKey), keys[i].m_iPage,
                                     oldVersion);
    }
}

const CaptionSetting& LanguageTable::Caption(std::string_view key) const {
    static const CaptionSetting kNone;
    int index = CaptionKeyIndex(key);
    return index < 0 ? kNone : m_captions[static_cast<std::size_t>(index)];
}

std::string LanguageTablePath(const std::string& programFolder, const std::string& languageFolderName,
                              const std::string& resolutionFolder, const std::string& language) {
    std::string folder = core::joinPath(core::joinPath(programFolder, languageFolderName), resolutionFolder);
    return core::joinPath(core::joinPath(folder, language), "Language.ini");
}
