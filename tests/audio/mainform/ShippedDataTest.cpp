// The program folder of the build holds the panel's shipped configuration,
// languages and default skin; these check them against the readers' key lists.
#include <gtest/gtest.h>

#include <cstdlib>

#include "SkinnedForm.h"
#include "audio/mainform/PanelPresentation.h"
#include "audio/settings/CIniMgr.h"
#include "audio/settings/CaptionKeys.h"
#include "audio/settings/InstallSettings.h"
#include "audio/settings/MainWindowSettings.h"
#include "audio/settings/PanelConfigFile.h"
#include "audio/settings/RegionFile.h"
#include "audio/settings/SkinKeys.h"
#include "platform/core/Path.h"
#include "platform/core/ProgramFolder.h"
#include "platform/ui/Font.h"
#include "platform/ui/headless/Driver.h"

namespace {

const char* const kResolutions[] = {"", "960x540", "1366x768", "1920x1080"};

class ShippedDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        install.Read(ProgramConfigPath(folder));
        ASSERT_FALSE(install.m_strLanguageFolderName.empty());
        ASSERT_FALSE(install.m_strSkinFolderName.empty());
    }
    std::string path(std::initializer_list<std::string> parts) const {
        std::string joined = folder;
        for (const std::string& part : parts) {
            joined = core::joinPath(joined, part);
        }
        return joined;
    }

    const std::string folder = core::executableFolder();
    InstallSettings install;
};

TEST_F(ShippedDataTest, SonvairHomePointsThePanelAtAnotherProgramFolder) {
    ::unsetenv("SONVAIR_HOME");
    EXPECT_EQ(PanelProgramFolder(), folder);
    ::setenv("SONVAIR_HOME", "/opt/other", 1);
    EXPECT_EQ(PanelProgramFolder(), "/opt/other");
    ::unsetenv("SONVAIR_HOME");
}

TEST_F(ShippedDataTest, ConfigurationStartsThePanel) {
    MainWindowSettings settings;
    ASSERT_NO_THROW(settings.Read(ProgramConfigPath(folder)));
    ASSERT_NO_THROW(settings.ReadSkinSwitches(ProgramConfigPath(folder)));
    EXPECT_EQ(settings.m_iOldVersion, 0);
    std::vector<std::string> ids;
    EXPECT_EQ(ReadUsbVidPidValues(ProgramConfigPath(folder), ids), UsbVidPidOk);
    EXPECT_EQ(ReadLanguageCaption(ProgramConfigPath(folder), "Chinese"), "简体中文");
    EXPECT_TRUE(core::fileExists(path({install.m_strInstallIconFileName})));
}

TEST_F(ShippedDataTest, EveryLanguageTableHoldsEveryCaptionKey) {
    for (const char* resolution : kResolutions) {
        for (const char* language : {"English", "Chinese", ""}) {
            std::string table = path({install.m_strLanguageFolderName, resolution, language, "Language.ini"});
            CIniMgr ini;
            ASSERT_EQ(ini.LoadFile(table), CIniMgr::LoadOk) << table;
            for (const CaptionKey& key : CaptionKeys()) {
                EXPECT_FALSE(ini.GetValue(std::string(key.m_strSection), std::string(key.m_strKey)).empty())
                    << table << ": " << key.m_strKey;
            }
            LanguageTable read;
            EXPECT_NO_THROW(read.Load(table, 0)) << table;
            EXPECT_NE(read.Global().m_iColorUp, read.Global().m_iColorDown);
        }
    }
}

TEST_F(ShippedDataTest, ChineseTextsAreDrawnWithTheLayersCjkFace) {
    ui::headless::Driver driver;
    LanguageTable chinese;
    chinese.Load(path({install.m_strLanguageFolderName, "Chinese", "Language.ini"}), 0);
    ui::Font font(ui::FontSpec{.height = -12, .face = chinese.Global().m_strFont});
    EXPECT_NE(font.family().find("WenQuanYi"), std::string::npos) << font.family();
    EXPECT_EQ(chinese.Caption("LabelMenu1").m_strText, "保存");
}

TEST_F(ShippedDataTest, EverySkinHoldsEveryPictureKeyWithItsFileAndItsOutline) {
    for (const char* resolution : kResolutions) {
        for (const char* skin : {"Default", ""}) {
            const std::string skinFolder = path({install.m_strSkinFolderName, resolution, skin});
            const std::string setting = core::joinPath(skinFolder, "SkinSetting.ini");
            CIniMgr ini;
            ASSERT_EQ(ini.LoadFile(setting), CIniMgr::LoadOk) << setting;
            for (const SkinKey& key : SkinKeys()) {
                EXPECT_FALSE(ini.GetValue(std::string(key.m_strSection), std::string(key.m_strKey)).empty())
                    << setting << ": " << key.m_strKey;
            }
            SkinSettings read;
            ASSERT_NO_THROW(read.Load(setting, setting, 0)) << setting;
            for (std::size_t i = 0; i < SkinKeys().size(); ++i) {
                if (SkinKeys()[i].m_kind == SkinKeyKind::Picture) {
                    const std::string file = core::joinPath(skinFolder, read.Images()[i].m_strFileName);
                    EXPECT_TRUE(core::fileExists(file)) << file;
                }
            }
            std::optional<RegionFileData> region = ReadRegionFile(core::joinPath(skinFolder, "MainForm_Frame.rgn"));
            ASSERT_TRUE(region.has_value()) << skinFolder;
            EXPECT_EQ(region->m_bounds.left, 0);
            EXPECT_EQ(region->m_bounds.top, 0);
        }
    }
}

// The default skin on a window with every skinned control, at every resolution.
TEST_F(ShippedDataTest, DefaultSkinDressesTheWholeWindow) {
    ui::headless::Driver driver;
    struct Screen {
        const char* resolution;
        int width, height;
    } screens[] = {{"", 800, 600}, {"960x540", 1280, 720}, {"1366x768", 1920, 1080}, {"1920x1080", 2560, 1440}};
    for (const Screen& screen : screens) {
        const char* resolution = screen.resolution;
        SkinnedForm form;
        PresentationSettings settings{folder, install.m_strLanguageFolderName, install.m_strSkinFolderName,
                                      "none", 0};
        PanelPresentation presentation(form, settings, "English", "Default");
        presentation.ChooseResolutionFolder(screen.width, screen.height);
        ASSERT_EQ(presentation.ResolutionFolder(), resolution);
        presentation.LoadLanguage();
        presentation.LoadSkin();
        ASSERT_EQ(presentation.Skin().ApplySkinImages({}, presentation.ProgramConfigPath()), SkinApplyResult::ok)
            << presentation.Skin().FailedFile();
        presentation.Language().ApplyCaptions({});
        for (const SkinImageTarget& target : SkinImageTargets()) {
            const forms::TImage& image = form.image(std::string(target.m_strControl));
            EXPECT_TRUE(image.Visible()) << resolution << " " << target.m_strControl;
            EXPECT_FALSE(image.Picture().isNull()) << resolution << " " << target.m_strControl;
        }
        const forms::TImage& background = form.image("MainFormImage");
        EXPECT_EQ(form.ClientWidth(), background.Picture().width());
        EXPECT_EQ(form.Width(), background.Picture().width()) << "the outline's bounds are the background's";
        EXPECT_FALSE(driver.record(form).shape.contains({0, 0})) << "rounded corners";
        EXPECT_EQ(form.control("Menu1Label").Caption(), "SAVE");
        // SONVAIR_SKIN_SHOTS=<folder> keeps a picture of every page to look at.
        if (const char* shots = std::getenv("SONVAIR_SKIN_SHOTS")) {
            form.Show();
            for (int page = PageEQ; page <= PageVMEffect; ++page) {
                PanelLookState state;
                state.m_iCurrentPage = page;
                presentation.Skin().ApplySkinImages(state, presentation.ProgramConfigPath());
                presentation.Language().ApplyCaptions(state);
                presentation.Skin().ShowPage(page, state);
                presentation.Language().ShowPage(page);
                for (const forms::TControl* control : form.Controls()) {
                    if (dynamic_cast<const forms::TShape*>(control) != nullptr) {
                        const_cast<forms::TControl*>(control)->SetVisible(page == PageLED);
                    }
                }
                driver.runUntilIdle();
                driver.saveSurface(form, std::string(shots) + "/default-skin-" + (*resolution ? resolution : "plain") +
                                             "-page" + std::to_string(page) + ".png");
            }
        }
    }
}

}  // namespace
