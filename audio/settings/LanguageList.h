#pragma once

#include <string>
#include <vector>

constexpr std::size_t kLanguageFolderCharacters = 15;
constexpr std::size_t kLanguageCaptionCharacters = 31;
constexpr std::size_t kLanguageNameCharacters = 127;

// One language the menu offers: its folder, which is its identity, and the
// caption the configuration file gives it ("" when it gives none).
struct LanguageEntry {
    std::string m_strFolder;
    std::string m_strCaption;
};

// Every subfolder of the languages folder (the program folder, the language
// folder name, the resolution folder), sorted by name, with its caption from
// section MultiLanguageFolderMap of the program copy at `configPath`.
std::vector<LanguageEntry> ListLanguages(const std::string& languagesFolder, const std::string& configPath);

// The entry the menu checks: the first whose folder is `current`, else the first.
// -1 for an empty list.
int CheckedLanguage(const std::vector<LanguageEntry>& languages, const std::string& current);

// The language a click on an item with `caption` chooses: the first entry with
// that caption, so two languages shown alike both lead to the first one.
// "" when no entry has it.
std::string LanguageForCaption(const std::vector<LanguageEntry>& languages, const std::string& caption);
