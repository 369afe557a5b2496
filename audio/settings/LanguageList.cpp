#include "audio/settings/LanguageList.h"

#include "audio/settings/FolderList.h"
#include "audio/settings/PanelConfigFile.h"
#include "platform/core/Unicode.h"

std::vector<LanguageEntry> ListLanguages(const std::string& languagesFolder, const std::string& configPath) {
    std::vector<LanguageEntry> languages;
    for (const std::string& name : ListSubfolders(languagesFolder)) {
        LanguageEntry entry;
        entry.m_strFolder = core::cutToCharacters(name, kLanguageFolderCharacters);
        entry.m_strCaption =
            core::cutToCharacters(ReadLanguageCaption(configPath, entry.m_strFolder), kLanguageCaptionCharacters);
        languages.push_back(std::move(entry));
    }
    return languages;
}

int CheckedLanguage(const std::vector<LanguageEntry>& languages, const std::string& current) {
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (languages[i].m_strFolder == current) {
            return static_cast<int>(i);
        }
    }
    return languages.empty() ? -1 : 0;
}

std::string LanguageForCaption(const std::vector<LanguageEntry>& languages, const std::string& caption) {
    for (const LanguageEntry& entry : languages) {
        if (entry.m_strCaption == caption) {
            return std::string(core::cutToCharacters(entry.m_strFolder, kLanguageNameCharacters));
        }
    }
    return {};
}
