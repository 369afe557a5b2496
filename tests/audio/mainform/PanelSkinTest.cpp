#include "audio/mainform/PanelSkin.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "SkinnedForm.h"
#include "audio/mainform/PanelPresentation.h"
#include "audio/settings/EConvertError.h"
#include "audio/settings/RegionFile.h"
#include "platform/ui/headless/Driver.h"
#include "support/TempFolder.h"

namespace {

// A small skin: a 300 x 200 background, the EQ switch in two states, the lighting keys beside it.
class PanelSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        picture("Skin/Blue/bg.png", 300, 200);
        picture("Skin/Blue/on.png", 40, 20);
        picture("Skin/Blue/off.png", 30, 10);
        temp.write("Skin/Blue/SkinSetting.ini",
                   "[Main]\r\nMainFormImage=bg.png,0,0\r\nCloseImageUp=off.png,250,5,12,\r\nLogoImage=(null)\r\n"
                   "[EQ]\r\nEQEQENImageUp=off.png,10,20\r\nEQEQENImageDown=on.png,11,21\r\n"
                   "[LED]\r\nColor02Shape=50,60,20,10,5\r\nLEDFastRightSide=1\r\n");
        config("0");
        ::setenv("APPDATA", temp.file("user").c_str(), 1);
    }
    void TearDown() override { ::unsetenv("APPDATA"); }

    void picture(const std::string& name, int width, int height) {
        temp.write(name, "");
        ASSERT_TRUE(ui::Image(width, height, 0xFF204060u).savePng(temp.file(name)));
    }
    void config(const std::string& regionCut) {
        temp.write("AudioConfig.cfg", "[Skin]\r\nRegionCut=" + regionCut + "\r\n");
    }
    SkinPlace place() const { return {temp.path(), "Skin", ""}; }

    ui::headless::Driver driver;
    TempFolder temp;
    SkinnedForm form;
    PanelSkin skin{form};
};

TEST_F(PanelSkinTest, EveryControlTakesThePictureOfItsStateAndTheWindowItsBackground) {
    form.image("CloseImage").SetBounds(0, 0, 10, 10);
    skin.LoadSkin(place(), "Blue", 0);
    PanelLookState state;
    ASSERT_EQ(skin.ApplySkinImages(state, temp.file("AudioConfig.cfg")), SkinApplyResult::ok);
    forms::TImage& eq = form.image("EQEQENImage");
    EXPECT_TRUE(eq.Visible());
    EXPECT_EQ(eq.BoundsRect(), (ui::Rect{10, 20, 40, 30})) << "sized to its picture";
    EXPECT_EQ(form.image("CloseImage").BoundsRect(), (ui::Rect{250, 5, 262, 15})) << "width given, height kept";
    EXPECT_FALSE(form.image("LogoImage").Visible());
    EXPECT_FALSE(form.image("Back_EQImage").Visible()) << "no record";
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 200);

    state.m_bEQOn = true;
    skin.ApplySkinImages(state, temp.file("AudioConfig.cfg"));
    EXPECT_EQ(eq.BoundsRect(), (ui::Rect{11, 21, 51, 41}));
    EXPECT_EQ(eq.Picture().width(), 40);
}

TEST_F(PanelSkinTest, SwatchesAndTheLightingColoursComeWithTheSkin) {
    form.Find<forms::TShape>("ColorSingleShape")->SetBrushColor(0x123456);
    skin.LoadSkin(place(), "Blue", 0);
    EXPECT_EQ(skin.Settings().m_iLEDFastRightSide, 1);
    EXPECT_EQ(form.Find<forms::TShape>("ColorSingleShape")->Brush().Color, 0x0000FFu);
    skin.ApplySkinImages({}, temp.file("AudioConfig.cfg"));
    auto* swatch = form.Find<forms::TShape>("Color02Shape");
    EXPECT_EQ(swatch->BoundsRect(), (ui::Rect{50, 60, 70, 70}));
    EXPECT_EQ(swatch->Shape(), forms::TShapeType::stCircle);
    EXPECT_EQ(form.Find<forms::TShape>("Color01Shape")->BoundsRect(), (ui::Rect{1, 2, 4, 6})) << "no value: stays";
}

TEST_F(PanelSkinTest, RegionCutShapesTheWindowFromTheRegionFile) {
    config("1");
    std::vector<ui::Rect> rects = {{2, 0, 298, 2}, {0, 2, 300, 198}, {2, 198, 298, 200}};
    temp.write("Skin/Blue/MainForm_Frame.rgn", RegionFileBytes(rects));
    skin.LoadSkin(place(), "Blue", 0);
    ASSERT_EQ(skin.ApplySkinImages({}, temp.file("AudioConfig.cfg")), SkinApplyResult::ok);
    const ui::Region& shape = driver.record(form).shape;
    EXPECT_FALSE(shape.contains({0, 0}));
    EXPECT_TRUE(shape.contains({2, 0}));
    EXPECT_TRUE(shape.contains({0, 100}));
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 200);
}

TEST_F(PanelSkinTest, UnreadableOrOutOfRangeRegionChangesNothing) {
    form.SetClientSize(123, 45);
    std::string huge = RegionFileBytes({{0, 0, 300, 200}});
    huge[31] = '\x7F';  // bounding bottom far beyond any screen
    for (const std::string& bytes : {std::string("not a region"), huge}) {
        temp.write("frame.rgn", bytes);
        EXPECT_EQ(skin.ApplyWindowRegion(temp.file("frame.rgn")), SkinApplyResult::badRegion);
        EXPECT_EQ(form.ClientWidth(), 123);
        EXPECT_TRUE(driver.record(form).shape.isEmpty());
    }
    EXPECT_EQ(skin.ApplyWindowRegion(temp.file("missing.rgn")), SkinApplyResult::badRegion);
}

TEST_F(PanelSkinTest, MissingPictureKeepsThePreviousLook) {
    skin.LoadSkin(place(), "Blue", 0);
    skin.ApplySkinImages({}, temp.file("AudioConfig.cfg"));
    temp.write("Skin/Broken/SkinSetting.ini", "[Main]\r\nMainFormImage=gone.png,0,0\r\n[EQ]\r\nEQEQENImageUp=x.png,1,1\r\n");
    skin.LoadSkin(place(), "Broken", 0);
    EXPECT_EQ(skin.ApplySkinImages({}, temp.file("AudioConfig.cfg")), SkinApplyResult::missingFile);
    EXPECT_EQ(skin.FailedFile(), temp.file("Skin/Broken/gone.png"));
    EXPECT_EQ(form.image("EQEQENImage").Left(), 10);
    EXPECT_EQ(form.ClientWidth(), 300);
}

class SkinMenuTest : public PanelSkinTest {
protected:
    void SetUp() override {
        PanelSkinTest::SetUp();
        picture("Skin/R&B/bg.png", 320, 210);
        temp.write("Skin/R&B/SkinSetting.ini", "[Main]\r\nMainFormImage=bg.png,0,0\r\n");
        temp.write("Skin/Gone/SkinSetting.ini", "[Main]\r\nMainFormImage=none.png,0,0\r\n");
        temp.write("user/Panel/AudioConfig.cfg", "[Skin]\r\nDefaultSkin=Blue\r\n");
    }
    PanelPresentation presentation{form, {temp.path(), "Language", "Skin", "Panel", 0}, "", "Blue"};
};

TEST_F(SkinMenuTest, ClickSwitchesTheSkinAndAFolderWithAnAmpersandIsFound) {
    EXPECT_EQ(presentation.BuildSkinMenu(), 3);
    forms::TMenuItem& menu = form.menu("SkinMenu");
    EXPECT_TRUE(menu.Items(0).Checked());
    EXPECT_EQ(menu.Items(2).Caption(), "R&&B");
    AudioState audio;
    audio.m_iLEDColorRGB[3] = 0x123456;
    presentation.audioState = &audio;
    EXPECT_EQ(menu.Items(2).DisplayCaption(), "R&B");
    presentation.LoadSkin();
    presentation.Skin().ApplySkinImages({}, presentation.ProgramConfigPath());

    const SkinSettings* changed = nullptr;
    presentation.onSkinChanged = [&](const SkinSettings& settings) { changed = &settings; };
    menu.Items(2).Click();
    EXPECT_EQ(presentation.SkinName(), "R&B");
    EXPECT_EQ(form.ClientWidth(), 320);
    EXPECT_TRUE(menu.Items(2).Checked());
    EXPECT_FALSE(menu.Items(0).Checked());
    EXPECT_EQ(audio.m_iLEDColorRGB[3], 0xFF0000) << "a new skin starts with its own lighting colours";
    EXPECT_EQ(audio.m_iLEDPageMode, 0);
    EXPECT_NE(changed, nullptr);
    EXPECT_NE(temp.read("user/Panel/AudioConfig.cfg").find("DefaultSkin=R&B"), std::string::npos);

    // A skin whose pictures are missing, or whose geometry is malformed,
    // leaves everything as it was.
    menu.Items(1).Click();
    EXPECT_EQ(presentation.SkinName(), "R&B");
    EXPECT_TRUE(menu.Items(2).Checked());
    EXPECT_EQ(form.ClientWidth(), 320);
    temp.write("Skin/Gone/SkinSetting.ini", "[EQ]\r\nEQSlider=top\r\n");
    EXPECT_THROW(menu.Items(1).Click(), EConvertError);
    EXPECT_EQ(presentation.SkinName(), "R&B");
    EXPECT_EQ(presentation.Skin().Settings().Image("Main", "MainFormImage").m_strFileName, "bg.png");
}

}  // namespace
