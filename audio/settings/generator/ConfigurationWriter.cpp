#include "ShippedFiles.h"

namespace shipped {

bool WriteConfiguration(const QString& programFolder) {
    std::string ini;
    auto section = [&](const char* name) { ini += std::string("[") + name + "]\r\n"; };
    auto key = [&](const char* name, const std::string& value) { ini += std::string(name) + "=" + value + "\r\n"; };
    section("Language");
    key("LanguageFolderName", kLanguageFolder);
    section("Skin");
    key("SkinFolderName", kSkinFolder);
    key("RegionCut", "1");
    section("Install");
    key("InstallAppTitle", "SonvairApp");
    key("InstallIconFileName", "SonvairApp.png");
    key("InstallFolderName", "SonvairApp");
    key("APPFileName", "sonvair-app");
    section("TrayIconHint");
    key("HintName", "SonvairApp");
    section("Version");
    key("OldVersion", "0");
    key("DefaultIni", "0");
    key("Bee", "1");
    section("Mic");
    key("Monitor", "1");
    section("DefaultSet");
    key("V7ch1Scalar", "20");
    key("EncButtonMode", "0");
    key("EncGpio", "0");
    key("3DV7ch1MutuallyExclusive", "0");
    section("GPIO");
    key("MODE", "0");
    key("ENABLE", "0,0,0,0,0,0,0,0,0,0");
    key("DIRECTION", "0,0,0,0,0,0,0,0,0,0");
    key("BUTTONMODE", "0");
    key("DIPSWMODE", "0");
    section("GPIOActive");
    for (int pin = 0; pin < 10; ++pin) {
        key(std::to_string(pin).c_str(), "1");
    }
    section("GPIOFunction");
    for (int pin = 0; pin < 10; ++pin) {
        key(std::to_string(pin).c_str(), "-");
    }
    section("Simple");
    key("Enable", "0");
    section("MultiLanguageFolderMap");
    key("English", "English");
    key("Chinese", "简体中文");
    section("Plugin");
    key("PluginFolderName", "Plugin");
    section("DebugLevel");
    key("Application", "0");
    key("Service", "0");
    section("USB_VID_PID");
    key("Headset", "USB\\VID_0C76&PID_16XX&REV_0100&MI_00");
    return WriteText(programFolder + "/AudioConfig.cfg", ini);
}

}  // namespace shipped
