#include "audio/settings/InstallSettings.h"

#include "audio/settings/ProfileStrings.h"

namespace {

struct InstallKey {
    const char* section;
    const char* key;
    std::string InstallSettings::*setting;
};

constexpr InstallKey kInstallKeys[] = {
    {"Language", "LanguageFolderName", &InstallSettings::m_strLanguageFolderName},
    {"Skin", "SkinFolderName", &InstallSettings::m_strSkinFolderName},
    {"Install", "InstallAppTitle", &InstallSettings::m_strInstallAppTitle},
    {"Install", "InstallIconFileName", &InstallSettings::m_strInstallIconFileName},
    {"Install", "InstallFolderName", &InstallSettings::m_strInstallFolderName},
    {"Install", "ShortcutFolderName", &InstallSettings::m_strShortcutFolderName},
    {"Install", "AppShortcutName", &InstallSettings::m_strAppShortcutName},
    {"Install", "APPFileName", &InstallSettings::m_strAPPFileName},
    {"Install", "UserManualShortcutName", &InstallSettings::m_strUserManualShortcutName},
    {"Install", "EffectAPPFileName", &InstallSettings::m_strEffectAPPFileName},
    {"Install", "EffectAppShortcutName", &InstallSettings::m_strEffectAppShortcutName},
    {"Uninstall", "UninstallAppTitle", &InstallSettings::m_strUninstallAppTitle},
    {"Uninstall", "UninstallIconFileName", &InstallSettings::m_strUninstallIconFileName},
    {"Uninstall", "UninstallShortcutName", &InstallSettings::m_strUninstallShortcutName},
    {"Uninstall", "Publisher", &InstallSettings::m_strPublisher},
    {"Uninstall", "UninstallDisplayName", &InstallSettings::m_strUninstallDisplayName},
    {"Uninstall", "UninstallFileName", &InstallSettings::m_strUninstallFileName},
    {"Application", "DeviceActiveIconFileName", &InstallSettings::m_strDeviceActiveIconFileName},
    {"Application", "DeviceUnactiveIconFileName", &InstallSettings::m_strDeviceUnactiveIconFileName},
    {"Application", "TrayIconRestorOn", &InstallSettings::m_strTrayIconRestorOn},
    {"DebugLevel", "Application", &InstallSettings::m_strDebugLevelApplication},
    {"DebugLevel", "Service", &InstallSettings::m_strDebugLevelService},
    {"Plugin", "PluginFolderName", &InstallSettings::m_strPluginFolderName},
};

}  // namespace

void InstallSettings::Read(const std::string& configPath) {
    for (const InstallKey& entry : kInstallKeys) {
        ReadConfigString(configPath, entry.section, entry.key, this->*entry.setting);
    }
}
