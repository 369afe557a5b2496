#include "audio/settings/PanelConfiguration.h"

#include "audio/settings/PanelConfigFile.h"
#include "audio/settings/UserChoices.h"

void PanelConfiguration::Read(const std::string& programFolder) {
    std::string path = ProgramConfigPath(programFolder);
    m_install.Read(path);
    LoadUserChoices(m_install.m_strInstallFolderName, m_strLanguage, m_strSkin);
    m_mainWindow.Read(path);
    m_mainWindow.ReadSkinSwitches(path);
    m_iHeadsetIdsResult = ReadUsbVidPidValues(path, m_headsetIds);
}
