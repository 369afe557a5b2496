#include "audio/settings/PanelConfigFile.h"


#include "audio/settings/CIniMgr.h"
#include "audio/settings/ConfigValues.h"
#include "audio/settings/ProfileStrings.h"
#include "platform/core/Environment.h"
#include "platform/core/Path.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/Unicode.h"

namespace {

constexpr const char* kConfigFileName = "AudioConfig.cfg";
constexpr const char* kUsbVidPidSection = "USB_VID_PID";
constexpr std::size_t kPluginKeyCharacters = 31;

}  // namespace

std::string PanelProgramFolder() {
    const std::string folder = core::programFolder("SONVAIR_HOME");
    if (folder == core::executableFolder() && core::runsInstalled()) {
        // Installed, the program's files lie in its own folder under the prefix, not beside it in bin.
        return core::joinPath(core::parentFolder(core::executableFolder()), SONVAIR_INSTALLED_FOLDER);
    }
    return folder;
}

std::string ProgramConfigPath(const std::string& programFolder) {
    return core::joinPath(programFolder, kConfigFileName);
}

std::string PerUserConfigPath(const std::string& installFolderName) {
    return core::joinPath(core::joinPath(core::appDataFolder(), installFolderName), kConfigFileName);
}

std::string ReadLanguageCaption(const std::string& configPath, const std::string& languageFolder) {
    std::string caption;
    ReadIniString(configPath, "MultiLanguageFolderMap", languageFolder, caption);
    return caption;
}

bool IsPluginListed(const std::string& configPath, const std::string& pluginFolder) {
    std::string value;
    ReadIniString(configPath, "Application",
                  std::string(core::cutToCharacters(pluginFolder, kPluginKeyCharacters)), value);
    return LenientInteger(value) != 0;
}

int ReadBeeOption(const std::string& configPath) {
    std::string value;
    ReadIniString(configPath, "Version", "Bee", value);
    return LenientInteger(value);
}

std::string ReadLastIniPath(const std::string& configPath) {
    std::string path;
    ReadIniString(configPath, "LastINI", "Path", path);
    return path;
}

void WriteLastIniPath(const std::string& configPath, const std::string& profilePath) {
    WriteIniString(configPath, "LastINI", "Path", profilePath);
}

int ReadUsbVidPidValues(const std::string& configPath, std::vector<std::string>& values) {
    CIniMgr ini;
    if (ini.LoadFile(configPath) != CIniMgr::LoadOk) {
        return UsbVidPidNoFile;
    }
    if (!ini.HasSection(kUsbVidPidSection)) {
        return UsbVidPidNoSection;
    }
    // Each entry counts on its own: two patterns filed under one key name are two patterns.
    std::vector<std::string> found;
    ini.GetValues(kUsbVidPidSection, found);
    if (found.empty()) {
        return UsbVidPidNoKeys;
    }
    values = std::move(found);
    return UsbVidPidOk;
}
