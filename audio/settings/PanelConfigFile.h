#pragma once

#include <string>
#include <vector>

// Where the two copies of the panel configuration file lie, and the sections
// read on demand rather than once at start-up.

// The panel's program folder: the folder of the running program, or the value
// of SONVAIR_HOME when it is set (installs, tests and scripted runs).
std::string PanelProgramFolder();

// The program copy: the program folder followed by "AudioConfig.cfg".
std::string ProgramConfigPath(const std::string& programFolder);

// The per-user copy: the user's application-data folder, the panel's
// install folder name, "AudioConfig.cfg". The panel never creates it.
std::string PerUserConfigPath(const std::string& installFolderName);

// Caption of a language folder in the language menu ("" when none is given).
std::string ReadLanguageCaption(const std::string& configPath, const std::string& languageFolder);

// Whether a plugin folder is listed in the plugin menu (key up to 31 characters).
bool IsPluginListed(const std::string& configPath, const std::string& pluginFolder);

// 1: the surround test sound is offered.
int ReadBeeOption(const std::string& configPath);

// Full path of the profile saved last through save-as; written after each one.
std::string ReadLastIniPath(const std::string& configPath);
void WriteLastIniPath(const std::string& configPath, const std::string& profilePath);

// Results of ReadUsbVidPidValues.
enum UsbVidPidResult : int {
    UsbVidPidOk = 0,
    UsbVidPidNoFile = 1,
    UsbVidPidNoSection = 2,
    UsbVidPidNoKeys = 3
};

// Every value of section USB_VID_PID in file order (key names carry no
// meaning), read with CIniMgr so the file may be in any Unicode encoding.
int ReadUsbVidPidValues(const std::string& configPath, std::vector<std::string>& values);
