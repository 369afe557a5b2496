#pragma once

#include <string>

// Titles, folder and file names of this build of the panel, read once at
// start-up from the program copy of the configuration file. A value that is
// empty or missing leaves its setting as it was.
struct InstallSettings {
    std::string m_strLanguageFolderName;
    std::string m_strSkinFolderName;
    std::string m_strInstallAppTitle;
    std::string m_strInstallIconFileName;
    std::string m_strInstallFolderName;
    std::string m_strShortcutFolderName;
    std::string m_strAppShortcutName;
    std::string m_strAPPFileName;
    std::string m_strUserManualShortcutName;
    std::string m_strEffectAPPFileName;
    std::string m_strEffectAppShortcutName;
    std::string m_strUninstallAppTitle;
    std::string m_strUninstallIconFileName;
    std::string m_strUninstallShortcutName;
    std::string m_strPublisher;
    std::string m_strUninstallDisplayName;
    std::string m_strUninstallFileName;
    std::string m_strDeviceActiveIconFileName;
    std::string m_strDeviceUnactiveIconFileName;
    std::string m_strTrayIconRestorOn;
    std::string m_strDebugLevelApplication = "0";
    std::string m_strDebugLevelService = "0";
    std::string m_strPluginFolderName;

    void Read(const std::string& configPath);
};
