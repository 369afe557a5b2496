#pragma once

#include <string>
#include <vector>

#include "audio/settings/InstallSettings.h"
#include "audio/settings/MainWindowSettings.h"

// Everything the panel keeps from its configuration files for the whole run.
struct PanelConfiguration {
    InstallSettings m_install;
    std::string m_strLanguage;  // chosen language folder, "" without a per-user choice
    std::string m_strSkin;      // chosen skin folder, "" without a per-user choice
    MainWindowSettings m_mainWindow;
    std::vector<std::string> m_headsetIds;  // section USB_VID_PID, in file order
    int m_iHeadsetIdsResult = -1;           // ReadUsbVidPidValues' result, -1 before it ran

    // Reads in start-up order: install settings, the per-user choices, the main
    // window settings, the skin switches, then the headset identities. The main
    // form, which loads skins and languages in between, calls the steps itself;
    // this runs them back to back. An EConvertError stops it where it is raised,
    // with the earlier steps kept.
    void Read(const std::string& programFolder);
};
