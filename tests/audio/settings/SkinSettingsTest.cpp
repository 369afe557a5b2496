#include "audio/settings/SkinSettings.h"

#include <gtest/gtest.h>

#include "audio/settings/EConvertError.h"
#include "audio/settings/ResolutionFolder.h"
#include "audio/settings/SkinKeys.h"
#include "audio/settings/SkinList.h"
#include "support/TempFolder.h"

namespace {

TEST(ImageValueTest, LenientItemsAndTheirFlags) {
    ImageSetting full = ParseImage("eq.bmp,10,20x,30,40,3", PageEQ, 0);
    EXPECT_EQ(full.m_strFileName, "eq.bmp");
    EXPECT_EQ(full.m_iLeft, 10);
    EXPECT_EQ(full.m_iTop, 20);
    EXPECT_EQ(full.m_iWidth, 30);
    EXPECT_EQ(full.m_iHeight, 40);
    EXPECT_EQ(full.m_iPage, PageMic);
    EXPECT_TRUE(full.m_bLeft && full.m_bTop && full.m_bWidth && full.m_bHeight);

    ImageSetting placed = ParseImage("eq.bmp,,abc", PageEQ, 0);
    EXPECT_FALSE(placed.m_bLeft);
    EXPECT_TRUE(placed.m_bTop);
    EXPECT_EQ(placed.m_iTop, 0);
    EXPECT_FALSE(placed.m_bWidth || placed.m_bHeight);
    EXPECT_EQ(placed.m_iPage, PageEQ);

    EXPECT_FALSE(ParseImage("", PageEQ, 0).HasPicture());
    EXPECT_FALSE(ParseImage("(null),1,2", PageEQ, 0).HasPicture());
}

TEST(ImageValueTest, OldVersionMovesWhatTheKeysPagePlaces) {
    TempFolder temp;
    temp.write("SkinSetting.ini",
               "[3D]\r\nBack_3DImage=a.bmp,10,20\r\n"
               "[Main]\r\nLogoImage=b.bmp,10,20\r\nCloseImageUp=c.bmp,10,20,,,5\r\n"
               "[EQ]\r\nEQ60HzBarDownImage=d.bmp,10,20,,,1\r\nEQResetImageUp=e.bmp,10,20,,,0\r\n");
    SkinSettings skin;
    skin.Load(temp.file("SkinSetting.ini"), temp.file("SkinSetting.ini"), 1);
    struct Case {
        const char* section;
        const char* key;
        int left, top, page;
    } cases[] = {
        {"3D", "Back_3DImage", 402, 124, Page3D},
        {"Main", "LogoImage", 10, 20, PageAlways},
        {"Main", "CloseImageUp", 10, 20, Page3D},
        {"EQ", "EQ60HzBarDownImage", 10, 20, PageEQ},
        {"EQ", "EQResetImageUp", 402, 124, PageAlways},
    };
    for (const Case& c : cases) {
        const ImageSetting& image = skin.Image(c.section, c.key);
        EXPECT_EQ(image.m_iLeft, c.left) << c.key;
        EXPECT_EQ(image.m_iTop, c.top) << c.key;
        EXPECT_EQ(image.m_iPage, c.page) << c.key;
    }
}

TEST(SkinSettingsTest, EmptySkinHidesEveryPictureAndTakesTheDefaults) {
    TempFolder temp;
    SkinSettings skin;
    skin.Load(temp.file("none.ini"), temp.file("none.ini"), 0);
    for (const ImageSetting& image : skin.Images()) {
        EXPECT_FALSE(image.HasPicture());
    }
    EXPECT_EQ(skin.m_eqSlider.m_iTop, 200);
    EXPECT_EQ(skin.m_eqSlider.m_iLength, 120);
    EXPECT_EQ(skin.m_micSlider.m_iTop, 208);
    EXPECT_EQ(skin.m_iMicProgressLength, 203);
    EXPECT_EQ(skin.m_iVirtualCenterX, 560);
    EXPECT_EQ(skin.m_iVirtualCenterY, 251);
    EXPECT_EQ(skin.m_iVirtualRadius, 110);
    EXPECT_FALSE(skin.m_encSlider.has_value());
    EXPECT_EQ(skin.m_iBevelLine3, 1);
    EXPECT_FALSE(skin.m_swatches[0].has_value());
    EXPECT_TRUE(skin.m_bLEDColoursReset);

    // The old scheme moves the slider tops even when they are the defaults.
    skin.Load(temp.file("none.ini"), temp.file("none.ini"), 1);
    EXPECT_EQ(skin.m_eqSlider.m_iTop, 304);
    EXPECT_EQ(skin.m_micSlider.m_iTop, 312);
    EXPECT_EQ(skin.m_iVirtualCenterX, 560);
}

TEST(SkinSettingsTest, GeometryKeysAndThePreviousRadius) {
    TempFolder temp;
    temp.write("SkinSetting.ini",
               "[EQ]\r\nEQSlider=150,90\r\n[Mic]\r\nMicSlider=100,80\r\nMicProgressLength=0x40\r\n"
               "[Virtual7ch1]\r\nVirtualCenter=100,50,90\r\n[ENC]\r\nENCSlider=60,150\r\n"
               "[Main]\r\nBevelLine=1\r\nBevelLine2=1\r\nBevelLine3=0\r\n");
    SkinSettings skin;
    skin.Load(temp.file("SkinSetting.ini"), temp.file("SkinSetting.ini"), 1);
    EXPECT_EQ(skin.m_eqSlider.m_iTop, 254);
    EXPECT_EQ(skin.m_eqSlider.m_iLength, 90);
    EXPECT_EQ(skin.m_micSlider.m_iTop, 204);
    EXPECT_EQ(skin.m_iMicProgressLength, 64);
    EXPECT_EQ(skin.m_iVirtualCenterX, 492);
    EXPECT_EQ(skin.m_iVirtualCenterY, 154);
    EXPECT_EQ(skin.m_iVirtualRadius, 90);
    EXPECT_EQ(skin.m_iPreviousVirtualRadius, 110);
    ASSERT_TRUE(skin.m_encSlider.has_value());
    EXPECT_EQ(skin.m_encSlider->m_iTop, 60);
    EXPECT_EQ(skin.m_iBevelLine + skin.m_iBevelLine2 + skin.m_iBevelLine3, 2);

    skin.Load(temp.file("none.ini"), temp.file("none.ini"), 0);
    EXPECT_EQ(skin.m_iPreviousVirtualRadius, 90);
    EXPECT_EQ(skin.m_iVirtualRadius, 110);
}

TEST(SkinSettingsTest, MalformedGeometryThrows) {
    for (const char* value : {"[EQ]\r\nEQSlider=150\r\n", "[Main]\r\nBevelLine=yes\r\n",
                              "[Virtual7ch1]\r\nVirtualCenter=1,2,x\r\n"}) {
        TempFolder temp;
        temp.write("SkinSetting.ini", value);
        SkinSettings skin;
        EXPECT_THROW(skin.Load(temp.file("SkinSetting.ini"), temp.file("SkinSetting.ini"), 0), EConvertError)
            << value;
    }
}

TEST(SkinSettingsTest, LightingModesComeFromTheFolderWithoutResolution) {
    TempFolder temp;
    const std::string lighting = "[LED]\r\nLEDPageMode=1\r\nLEDFastRightSide=1\r\nColor03Shape=1,2,3,4,5\r\n"
                                 "Color01Shape=8,8,8,8,8\r\n";
    temp.write("Skin/Blue/SkinSetting.ini", lighting);
    temp.write("Skin/1366x768/Blue/SkinSetting.ini",
               "[LED]\r\nLEDPageMode=7\r\nColor01Shape=9,9,9,9,9\r\nColorBreatheBarImage=bar.bmp\r\n");
    const std::string resolutionPath = temp.file("Skin/1366x768/Blue/SkinSetting.ini");
    SkinSettings skin;
    skin.Load(resolutionPath, temp.file("Skin/Blue/SkinSetting.ini"), 0);
    EXPECT_EQ(skin.m_iLEDPageMode, 1);
    EXPECT_EQ(skin.m_iLEDFastRightSide, 1);
    EXPECT_EQ(skin.Image("LED", "ColorBreatheBarImage").m_strFileName, "bar.bmp");
    // Swatches are window pixels: the resolution's own place wins, the shared one fills in.
    ASSERT_TRUE(skin.m_swatches[0].has_value());
    EXPECT_EQ(skin.m_swatches[0]->m_iLeft, 9);
    ASSERT_TRUE(skin.m_swatches[2].has_value());
    EXPECT_EQ(skin.m_swatches[2]->m_iOutline, 5);
    EXPECT_FALSE(skin.m_swatches[1].has_value());
    EXPECT_EQ(ReadSwatchShapes(resolutionPath, temp.file("Skin/Blue/SkinSetting.ini"))[2]->m_iLeft, 1);

    // Without a lighting file the lighting page is not in use; unplaced swatches stay.
    skin.Load(resolutionPath, temp.file("Skin/Red/SkinSetting.ini"), 0);
    EXPECT_EQ(skin.m_iLEDPageMode, 0);
    EXPECT_FALSE(skin.m_swatches[2].has_value());
}

TEST(SkinKeysTest, TwoHundredThirtyFiveKeysWithLogoTwice) {
    auto keys = SkinKeys();
    ASSERT_EQ(keys.size(), 235u);
    EXPECT_EQ(keys.front().m_strKey, "MainFormImage");
    EXPECT_EQ(keys.back().m_strKey, "VMFunctionDownImage");
    EXPECT_NE(SkinKeyIndex("Main", "LogoImage"), SkinKeyIndex("About", "LogoImage"));
    EXPECT_EQ(keys[static_cast<std::size_t>(SkinKeyIndex("Mic", "MicBarDownImage"))].m_iPage, PageAlways);
    EXPECT_EQ(keys[static_cast<std::size_t>(SkinKeyIndex("Mic", "MicBarImage"))].m_iPage, PageMic);
}

TEST(ResolutionFolderTest, StrictAreaComparisons) {
    struct Case {
        long long width, height;
        const char* folder;
    } cases[] = {
        {2560, 1440, "1920x1080"}, {1920, 1200, "1920x1080"}, {1920, 1080, "1366x768"},
        {1600, 900, "1366x768"},   {1366, 768, "960x540"},    {1280, 720, "960x540"},
        {960, 540, ""},            {800, 600, ""},            {0, 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResolutionFolderForScreen(c.width, c.height), c.folder) << c.width << "x" << c.height;
    }
}

TEST(ResolutionFolderTest, ExistenceCheckDropsTheFolder) {
    TempFolder temp;
    for (const char* folder : {"Skin/1920x1080/Blue", "Skin/1366x768/Blue", "Skin/960x540/Blue", "Skin/Blue",
                               "Skin/Only", "Skin/1366x768"}) {
        temp.write(std::string(folder) + "/SkinSetting.ini", "");
    }
    EXPECT_EQ(ChooseResolutionFolder(1920, 1080, temp.path(), "Skin", "Blue"), "1366x768");
    EXPECT_EQ(ChooseResolutionFolder(2560, 1440, temp.path(), "Skin", "Blue"), "1920x1080");
    EXPECT_EQ(ChooseResolutionFolder(1920, 1080, temp.path(), "Skin", "Only"), "");
    // No chosen skin: the skins folder itself is the skin.
    EXPECT_EQ(ChooseResolutionFolder(1920, 1080, temp.path(), "Skin", ""), "1366x768");
    EXPECT_EQ(ChooseResolutionFolder(2560, 1440, temp.path(), "Skin", ""), "");
    EXPECT_EQ(SkinFolderPath(temp.path(), "Skin", "", "Blue"), temp.path() + "/Skin/Blue");
}

TEST(SkinListTest, SubfoldersCheckAndCaptions) {
    TempFolder temp;
    for (const char* folder : {"Skin/Red/x", "Skin/Blue/x", "Skin/R&B/x"}) {
        temp.write(folder, "");
    }
    std::vector<std::string> skins = ListSkins(temp.file("Skin"));
    EXPECT_EQ(skins, (std::vector<std::string>{"Blue", "R&B", "Red"}));
    EXPECT_EQ(CheckedSkin(skins, "Red"), 2);
    EXPECT_EQ(CheckedSkin(skins, ""), 0);
    EXPECT_EQ(SkinNameFromCaption("R&&B"), "R&B");
    EXPECT_EQ(SkinNameFromCaption("&Blue"), "Blue");
    EXPECT_EQ(SkinNameFromCaption("R&B"), "RB");
    EXPECT_EQ(SkinNameFromCaption("Red&"), "Red");
}

}  // namespace
