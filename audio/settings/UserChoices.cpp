#include "audio/settings/UserChoices.h"

#include "audio/settings/PanelConfigFile.h"
#include "audio/settings/ProfileStrings.h"
#include "platform/core/Path.h"
#include "platform/core/Unicode.h"

namespace {

std::string readChoice(const std::string& path, const std::string& section, const std::string& key) {
    std::string value;
    ReadIniString(path, section, key, value);
    return std::string(core::cutToCharacters(value, kUserChoiceCharacters));
}

}  // namespace

void LoadUserChoices(const std::string& installFolderName, std::string& language, std::string& skin) {
    std::string path = PerUserConfigPath(installFolderName);
    if (!core::fileExists(path)) {
        return;
    }
    language = readChoice(path, "Language", "DefaultLanguage");
    skin = readChoice(path, "Skin", "DefaultSkin");
}

void SaveUserChoices(const std::string& installFolderName, const std::string& language,
                     const std::string& skin) {
    std::string path = PerUserConfigPath(installFolderName);
    if (!core::fileExists(path)) {
        return;
    }
    WriteIniString(path, "Language", "DefaultLanguage", language);
    WriteIniString(path, "Skin", "DefaultSkin", skin);
}
