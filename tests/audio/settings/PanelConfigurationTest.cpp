#include "audio/settings/PanelConfiguration.h"

#include <gtest/gtest.h>

#include <functional>

#include "ConfigFixture.h"
#include "EncodedText.h"
#include "audio/settings/CIniMgr.h"
#include "audio/settings/EConvertError.h"
#include "audio/settings/PanelConfigFile.h"
#include "audio/settings/ProfileStrings.h"
#include "support/TempFolder.h"

namespace {

class PanelConfigurationTest : public ::testing::Test {
protected:
    MainWindowSettings readMainWindow() {
        MainWindowSettings settings;
        settings.Read(config.save(temp));
        return settings;
    }

    TempFolder temp;
    ConfigFixture config;
};

TEST_F(PanelConfigurationTest, ReadConfigStringReplacesOnlyWithAValue) {
    temp.write("c.cfg", "[S]\r\nempty=\r\nfull=text\r\nlong=" + std::string(3000, 'x') + "\r\n");
    const std::string path = temp.file("c.cfg");
    struct Case {
        const char* key;
        int result;
        std::string destination;
    } cases[] = {
        {"empty", 1, "kept"},
        {"missing", 1, "kept"},
        {"full", 0, "text"},
        {"long", 0, std::string(2047, 'x')},
    };
    for (const Case& c : cases) {
        std::string destination = "kept";
        EXPECT_EQ(ReadConfigString(path, "S", c.key, destination), c.result) << c.key;
        EXPECT_EQ(destination, c.destination) << c.key;
    }
    std::string untouched = "x";
    EXPECT_EQ(ReadConfigString(temp.file("none.cfg"), "S", "full", untouched), 1);
    EXPECT_EQ(untouched, "x");
}

TEST_F(PanelConfigurationTest, ReadIniStringGivesAtMost255Characters) {
    temp.write("c.cfg", "[S]\r\nlong=" + std::string(300, 'y') + "\r\n");
    std::string value = "stale";
    EXPECT_EQ(ReadIniString(temp.file("c.cfg"), "S", "long", value), 0);
    EXPECT_EQ(value, std::string(255, 'y'));
    EXPECT_EQ(ReadIniString(temp.file("c.cfg"), "S", "missing", value), 0);
    EXPECT_EQ(value, "");
    EXPECT_EQ(WriteIniString(temp.file("new.ini"), "EQ", "EQEN", "1"), 0);
    EXPECT_EQ(temp.read("new.ini"), "[EQ]\r\nEQEN=1\r\n");
}

TEST_F(PanelConfigurationTest, InstallSettingsKeepTheirDefaultsWhenEmpty) {
    config.set("Install", "InstallAppTitle", "Sonvair Panel");
    config.set("Install", "InstallFolderName", "Sonvair");
    config.set("Language", "LanguageFolderName", "Language");
    config.set("Skin", "SkinFolderName", "Skin");
    config.set("Plugin", "PluginFolderName", "Plugins");
    config.set("Uninstall", "Publisher", "Someone");
    config.set("Application", "TrayIconRestorOn", "2");
    config.set("DebugLevel", "Service", "3");
    config.set("DebugLevel", "Application", "");
    InstallSettings settings;
    settings.Read(config.save(temp));
    EXPECT_EQ(settings.m_strInstallAppTitle, "Sonvair Panel");
    EXPECT_EQ(settings.m_strInstallFolderName, "Sonvair");
    EXPECT_EQ(settings.m_strLanguageFolderName, "Language");
    EXPECT_EQ(settings.m_strSkinFolderName, "Skin");
    EXPECT_EQ(settings.m_strPluginFolderName, "Plugins");
    EXPECT_EQ(settings.m_strPublisher, "Someone");
    EXPECT_EQ(settings.m_strTrayIconRestorOn, "2");
    EXPECT_EQ(settings.m_strDebugLevelService, "3");
    EXPECT_EQ(settings.m_strDebugLevelApplication, "0");
    EXPECT_EQ(settings.m_strInstallIconFileName, "");
}

TEST_F(PanelConfigurationTest, MainWindowValuesFollowTheirKinds) {
    using Check = std::function<void(const MainWindowSettings&)>;
    struct Case {
        const char* section;
        const char* key;
        const char* value;  // nullptr: the key is absent
        Check check;
    } cases[] = {
        {"Mic", "Monitor", nullptr, [](auto& s) { EXPECT_EQ(s.m_iMicMonitor, 1); }},
        {"Mic", "Monitor", "2", [](auto& s) { EXPECT_EQ(s.m_iMicMonitor, 2); }},
        {"Mic", "Monitor", "x", [](auto& s) { EXPECT_EQ(s.m_iMicMonitor, 0); }},
        {"DefaultSet", "V7ch1Scalar", "15", [](auto& s) { EXPECT_FLOAT_EQ(s.m_fV7ch1Scalar, 1.5f); }},
        {"DefaultSet", "V7ch1Scalar", nullptr, [](auto& s) { EXPECT_FLOAT_EQ(s.m_fV7ch1Scalar, 2.0f); }},
        {"DefaultSet", "EncGpio", "9",
         [](auto& s) {
             EXPECT_EQ(s.m_iEncGpio, 9);
             EXPECT_EQ(s.m_iEncButtonMode, 0);
         }},
        {"GPIOFunction", "4", "F3", [](auto& s) { EXPECT_EQ(s.m_iGPIOFunction[4], 3); }},
        {"GPIOFunction", "4", "3", [](auto& s) { EXPECT_EQ(s.m_iGPIOFunction[4], -1); }},
        {"GPIOFunction", "4", nullptr, [](auto& s) { EXPECT_EQ(s.m_iGPIOFunction[4], -1); }},
        {"GPIOFunction", "4", "f3", [](auto& s) { EXPECT_EQ(s.m_iGPIOFunction[4], -1); }},
        {"GPIOFunction", "9", "F", [](auto& s) { EXPECT_EQ(s.m_iGPIOFunction[9], 0); }},
        {"GPIO", "ENABLE", "1,0,1",
         [](auto& s) {
             EXPECT_EQ(s.m_iGPIOEnable, (std::array<int, 10>{1, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
         }},
        {"GPIO", "DIRECTION", nullptr,
         [](auto& s) { EXPECT_EQ(s.m_iGPIODirection, (std::array<int, 10>{})); }},
        {"GPIOActive", "3", "0x0",
         [](auto& s) {
             EXPECT_EQ(s.m_iGPIOActive[3], 0);
             EXPECT_EQ(s.m_iGPIOActive[2], 1);
         }},
        {"GPIO", "MODE", "$1", [](auto& s) { EXPECT_EQ(s.m_iGPIOMode, 1); }},
        {"GPIO", "BUTTONMODE", "1", [](auto& s) { EXPECT_EQ(s.m_iGPIOButtonMode, 1); }},
        {"GPIO", "DIPSWMODE", "2x", [](auto& s) { EXPECT_EQ(s.m_iGPIODipSwMode, 2); }},
        {"Version", "OldVersion", "1", [](auto& s) { EXPECT_EQ(s.m_iOldVersion, 1); }},
        {"Version", "DefaultIni", "1", [](auto& s) { EXPECT_EQ(s.m_iDefaultIni, 1); }},
        {"DefaultSet", "3DV7ch1MutuallyExclusive", "1",
         [](auto& s) { EXPECT_EQ(s.m_i3DV7ch1MutuallyExclusive, 1); }},
        {"TrayIconHint", "HintName", "A hint that is longer than thirty-one characters",
         [](auto& s) { EXPECT_EQ(s.m_strHintName, "A hint that is longer than thir"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        ConfigFixture changed = config;
        c.value ? changed.set(c.section, c.key, c.value) : changed.erase(c.section, c.key);
        MainWindowSettings settings;
        settings.Read(changed.save(temp));
        c.check(settings);
    }
}

TEST_F(PanelConfigurationTest, StrictKeysRaiseTheConversionError) {
    struct Case {
        const char* section;
        const char* key;
        const char* value;  // nullptr: the key is absent
        const char* message;
    } cases[] = {
        {"GPIO", "MODE", nullptr, "'' is not a valid integer value"},
        {"GPIO", "MODE", "on", "'on' is not a valid integer value"},
        {"GPIOActive", "9", nullptr, "'' is not a valid integer value"},
        {"GPIO", "ENABLE", "1,x", "'x' is not a valid integer value"},
        {"Skin", "RegionCut", "abc", "'abc' is not a valid integer value"},
        {"Simple", "Enable", nullptr, "'' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        ConfigFixture changed = config;
        c.value ? changed.set(c.section, c.key, c.value) : changed.erase(c.section, c.key);
        std::string path = changed.save(temp);
        MainWindowSettings settings;
        try {
            settings.Read(path);
            settings.ReadSkinSwitches(path);
            ADD_FAILURE() << c.section << "/" << c.key << " accepted";
        } catch (const EConvertError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST_F(PanelConfigurationTest, MissingProgramCopyStopsAtTheFirstStrictKey) {
    PanelConfiguration panel;
    try {
        panel.Read(temp.path());
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
    EXPECT_EQ(panel.m_install.m_strInstallAppTitle, "");
    EXPECT_EQ(panel.m_install.m_strDebugLevelService, "0");
    EXPECT_EQ(panel.m_mainWindow.m_iMicMonitor, 1);
    EXPECT_FLOAT_EQ(panel.m_mainWindow.m_fV7ch1Scalar, 2.0f);
    EXPECT_EQ(panel.m_iHeadsetIdsResult, -1);
}

TEST_F(PanelConfigurationTest, ReadsInStartUpOrder) {
    config.set("Mic", "Monitor", "3");
    config.set("Skin", "RegionCut", "no");
    config.set("USB_VID_PID", "a", "USB\\VID_0C76&PID_161F");
    config.save(temp);
    PanelConfiguration panel;
    EXPECT_THROW(panel.Read(temp.path()), EConvertError);
    EXPECT_EQ(panel.m_mainWindow.m_iMicMonitor, 3);  // read before the region switch
    EXPECT_EQ(panel.m_iHeadsetIdsResult, -1);        // still to come after it

    config.set("Skin", "RegionCut", "1");
    config.save(temp);
    panel.Read(temp.path());
    EXPECT_EQ(panel.m_mainWindow.m_iRegionCut, 1);
    EXPECT_EQ(panel.m_iHeadsetIdsResult, UsbVidPidOk);
    EXPECT_EQ(panel.m_headsetIds, std::vector<std::string>{"USB\\VID_0C76&PID_161F"});
}

TEST_F(PanelConfigurationTest, HeadsetIdentitiesComeThroughTheUnicodeReader) {
    const std::string text =
        "[Install]\r\nInstallFolderName=Sonvair\r\n"
        "[USB_VID_PID]\r\n"
        "VID=USB\\VID_0C76&PID_161F\r\n"
        "VID=USB\\VID_0C76&PID_1620\r\n"
        "other=HID\\VID_0C76&PID_*\r\n"
        "[Empty]\r\n";
    std::vector<std::string> ids;
    temp.write("u16.cfg", encodedFile(IniEncoding::Utf16Be, text));
    ASSERT_EQ(ReadUsbVidPidValues(temp.file("u16.cfg"), ids), UsbVidPidOk);
    EXPECT_EQ(ids, (std::vector<std::string>{"USB\\VID_0C76&PID_161F", "USB\\VID_0C76&PID_1620",
                                             "HID\\VID_0C76&PID_*"}));
    temp.write("empty.cfg", "[USB_VID_PID]\r\n; none yet\r\n");
    EXPECT_EQ(ReadUsbVidPidValues(temp.file("empty.cfg"), ids), UsbVidPidNoKeys);
    temp.write("none.cfg", "[usb_vid_pid]\r\na=b\r\n");
    EXPECT_EQ(ReadUsbVidPidValues(temp.file("none.cfg"), ids), UsbVidPidNoSection);
    EXPECT_EQ(ReadUsbVidPidValues(temp.file("missing.cfg"), ids), UsbVidPidNoFile);
    EXPECT_EQ(ids.size(), 3u);
}

TEST_F(PanelConfigurationTest, OnDemandSections) {
    config.set("MultiLanguageFolderMap", "English", "English (US)");
    config.set("Application", "Equalizer Plus", "1");
    config.set("Application", "Old Tool", "0");
    config.set("Application", std::string(31, 'p'), "1");
    config.set("Version", "Bee", "1");
    std::string path = config.save(temp);
    EXPECT_EQ(ReadLanguageCaption(path, "English"), "English (US)");
    EXPECT_EQ(ReadLanguageCaption(path, "Deutsch"), "");
    EXPECT_TRUE(IsPluginListed(path, "Equalizer Plus"));
    EXPECT_FALSE(IsPluginListed(path, "Old Tool"));
    EXPECT_FALSE(IsPluginListed(path, "Missing"));
    EXPECT_TRUE(IsPluginListed(path, std::string(40, 'p')));
    EXPECT_EQ(ReadBeeOption(path), 1);

    const std::string before = temp.read("AudioConfig.cfg");
    WriteLastIniPath(path, "/home/u/Sonvair/Rock.ini");
    EXPECT_EQ(ReadLastIniPath(path), "/home/u/Sonvair/Rock.ini");
    EXPECT_EQ(temp.read("AudioConfig.cfg"), before + "[LastINI]\r\nPath=/home/u/Sonvair/Rock.ini\r\n");
    EXPECT_EQ(ProgramConfigPath("/opt/sonvair"), "/opt/sonvair/AudioConfig.cfg");
}

}  // namespace
