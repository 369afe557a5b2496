#include "audio/mainform/PanelLanguage.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "SkinnedForm.h"
#include "audio/mainform/PanelPresentation.h"
#include "platform/ui/headless/Driver.h"
#include "support/TempFolder.h"

namespace {

TEST(ApplyCaptionTest, TextColourFontSizeAndBoundsWithTheirFallbacks) {
    ui::headless::Driver driver;
    SkinnedForm form;
    forms::TControl& label = form.control("EQResetLabel");
    label.SetBounds(5, 6, 70, 20);
    GlobalFont global{0x111111, 0x222222, "Global Sans", 11};

    ApplyCaption(ParseCaption("Reset", PageEQ, 0), label, CaptionState::normal, global, 96);
    EXPECT_TRUE(label.Visible());
    EXPECT_EQ(label.Caption(), "Reset");
    EXPECT_EQ(label.Font().Color, 0x111111u);
    EXPECT_EQ(label.Font().Name, "Global Sans");
    EXPECT_EQ(label.Font().Size, 11);
    EXPECT_EQ(label.Left(), 5);
    EXPECT_EQ(label.Top(), 6);

    ApplyCaption(ParseCaption("Reset,255,,Mono,12,30,40", PageEQ, 0), label, CaptionState::normal, global, 96);
    EXPECT_EQ(label.Font().Color, 255u);
    EXPECT_EQ(label.Font().Name, "Mono");
    EXPECT_EQ(label.Left(), 30);
    EXPECT_EQ(label.Top(), 40);
    ApplyCaption(ParseCaption("Reset,255", PageEQ, 0), label, CaptionState::selected, global, 96);
    EXPECT_EQ(label.Font().Color, 0x222222u) << "no selected colour of its own: the global one";

    // Without global settings the control keeps what it has.
    label.SetFont({"Kept", 7, 0x333333, 0});
    ApplyCaption(ParseCaption("Reset", PageEQ, 0), label, CaptionState::selected, GlobalFont{}, 96);
    EXPECT_EQ(label.Font(), (forms::TFont{"Kept", 7, 0x333333, 0}));

    for (const char* hidden : {"", "(null)"}) {
        ApplyCaption(ParseCaption(hidden, PageEQ, 0), label, CaptionState::normal, global, 96);
        EXPECT_FALSE(label.Visible()) << hidden;
    }
}

TEST(ApplyCaptionTest, FontSizeFollowsThePixelsPerInchRoundingHalvesToEven) {
    ui::headless::Driver driver;
    SkinnedForm form;
    forms::TControl& label = form.control("EQResetLabel");
    struct Case {
        int size, ppi, expected;
    } cases[] = {{9, 96, 9}, {9, 120, 7}, {10, 120, 8}, {9, 144, 6}, {5, 192, 2}, {7, 192, 4}, {12, 72, 16}};
    for (const Case& c : cases) {
        ApplyCaption(ParseCaption("x,,,," + std::to_string(c.size), PageEQ, 0), label, CaptionState::normal,
                     GlobalFont{}, c.ppi);
        EXPECT_EQ(label.Font().Size, c.expected) << c.size << " points at " << c.ppi;
    }
}

class PanelLanguageTest : public ::testing::Test {
protected:
    void load(const std::string& table) {
        temp.write("Language.ini", table);
        language.LoadLanguage(temp.file("Language.ini"), 0);
    }

    ui::headless::Driver driver;
    TempFolder temp;
    SkinnedForm form;
    PanelLanguage language{form};
};

TEST_F(PanelLanguageTest, CaptionsFollowTheWindowsState) {
    load("[GlobalFont]\r\nColorUp=100\r\nColorDown=200\r\n"
         "[Main]\r\nLabelPageEQ=EQ\r\nLabelPageMic=MIC\r\nLabelActive=On\r\nLabelUnactive=Off\r\nLabelUnDriver=No driver\r\n"
         "LabelSX=ignored\r\n[EQ]\r\nLabelEQS1=Music\r\nLabelEQS2=Game\r\nLabelEQEnable=EQ-EN\r\n"
         "[Mic]\r\nLabelMicValue=x\r\n");
    PanelLookState state;
    state.m_iCurrentPage = PageMic;
    state.m_iCurrentPreset = 2;
    state.m_bEQOn = true;
    state.m_iMicLevel = 42;
    language.ShowUnDriverOnce();
    language.ApplyCaptions(state);
    EXPECT_EQ(form.control("PageEQLabel").Font().Color, 100u);
    EXPECT_EQ(form.control("PageMicLabel").Font().Color, 200u);
    EXPECT_EQ(form.control("EQS1Label").Font().Color, 100u);
    EXPECT_EQ(form.control("EQS2Label").Font().Color, 200u);
    EXPECT_EQ(form.control("EQEQENLabel").Font().Color, 200u);
    EXPECT_EQ(form.control("SXLabel").Caption(), "Game");
    EXPECT_EQ(form.control("MicValueLabel").Caption(), "42");
    EXPECT_EQ(form.control("DeviceActiveLabel").Caption(), "No driver");
    EXPECT_FALSE(form.control("Page3DLabel").Visible()) << "no text: hidden";

    language.ApplyCaptions(state);
    EXPECT_EQ(form.control("DeviceActiveLabel").Caption(), "Off") << "the missing driver is told once";
    state.m_bDeviceActive = true;
    language.ApplyCaptions(state);
    EXPECT_EQ(form.control("DeviceActiveLabel").Caption(), "On");
}

TEST_F(PanelLanguageTest, TrayMenuCaptionsWithTheirDefaults) {
    load("[Main]\r\nLabelLanguage=Sprache\r\nLabelPlugin=Erweiterungen\r\n");
    language.ApplyCaptions({});
    EXPECT_EQ(form.menu("LanguageMenu").Caption(), "Sprache");
    EXPECT_EQ(form.menu("ModeMenu").Caption(), "Erweiterungen");
    EXPECT_EQ(form.menu("SkinMenu").Caption(), "Skin");
    EXPECT_EQ(form.menu("CloseMenu").Caption(), "Close");
}

TEST_F(PanelLanguageTest, TabStripLaysOutWhenTheSeparatorsShow) {
    load("[Main]\r\nLabelPageEQ=EQ,,,,,10,50,,,\r\nLabelPageEffect=EFFECT\r\nLabelPageMic=MIC\r\n"
         "LabelPageVirtual7ch1=7.1\r\nLabelPageLED=LED\r\nLabelPageENC=ENC\r\nLabelPageVMEffect=VM\r\n");
    for (const char* tab : {"PageEQLabel", "PageEffectLabel", "PageMicLabel", "PageVirtual7p1Label", "PageLEDLabel",
                            "PageENCLabel", "PageVMEffectLabel"}) {
        form.control(tab).SetBounds(0, 0, 30, 12);
        form.Find<forms::TLabel>(tab)->SetAutoSize(false);
    }
    form.control("Bevel7").Hide();
    language.ApplyCaptions({});
    auto right = [&](const char* name) { return form.control(name).Left() + form.control(name).Width(); };
    EXPECT_EQ(form.control("Bevel2").Left(), right("PageEQLabel"));
    EXPECT_EQ(form.control("Bevel2").Top(), 50);
    EXPECT_EQ(form.control("PageEffectLabel").Left(), right("Bevel2") + 5);
    EXPECT_EQ(form.control("PageLEDLabel").Left(), right("Bevel5") + 5) << "the short strip ends with LED";

    form.control("Bevel7").Show();
    language.ApplyCaptions({});
    EXPECT_EQ(form.control("PageENCLabel").Left(), right("Bevel5") + 10);
    EXPECT_EQ(form.control("PageLEDLabel").Left(), right("Bevel7") + 5);
}

class LanguageMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        temp.write("AudioConfig.cfg", "[MultiLanguageFolderMap]\r\nBritish=English\r\nEnglish=English\r\nChinese=中文\r\n");
        temp.write("Language/British/Language.ini", "[Main]\r\nLabelMenu1=Save (GB)\r\n");
        temp.write("Language/English/Language.ini", "[Main]\r\nLabelMenu1=Save (US)\r\n");
        temp.write("Language/Chinese/Language.ini", "[Main]\r\nLabelMenu1=保存\r\n");
        temp.write("user/Panel/AudioConfig.cfg", "[Language]\r\nDefaultLanguage=English\r\n");
        ::setenv("APPDATA", temp.file("user").c_str(), 1);
    }
    void TearDown() override { ::unsetenv("APPDATA"); }

    ui::headless::Driver driver;
    TempFolder temp;
    SkinnedForm form;
    PanelPresentation presentation{form, {temp.path(), "Language", "Skin", "Panel", 0}, "English", ""};
};

TEST_F(LanguageMenuTest, MenuChecksTheCurrentLanguageAndAClickSwitchesAndSaves) {
    EXPECT_EQ(presentation.BuildLanguageMenu(), 3);
    forms::TMenuItem& menu = form.menu("LanguageMenu");
    EXPECT_EQ(menu.Items(0).Caption(), "English");  // British
    EXPECT_EQ(menu.Items(1).Caption(), "中文");
    EXPECT_TRUE(menu.Items(2).Checked());
    EXPECT_EQ(form.Find<forms::TListBox>("ListBoxLanguageMap")->Items(),
              (std::vector<std::string>{"British", "Chinese", "English"}));

    int redraws = 0;
    presentation.onRedrawPage = [&] { ++redraws; };
    menu.Items(1).Click();
    EXPECT_EQ(presentation.LanguageName(), "Chinese");
    EXPECT_EQ(form.control("Menu1Label").Caption(), "保存");
    EXPECT_TRUE(menu.Items(1).Checked());
    EXPECT_FALSE(menu.Items(2).Checked());
    EXPECT_EQ(redraws, 1);
    EXPECT_NE(temp.read("user/Panel/AudioConfig.cfg").find("DefaultLanguage=Chinese"), std::string::npos);

    // Two languages shown alike: either item leads to the first one's folder.
    menu.Items(2).Click();
    EXPECT_EQ(presentation.LanguageName(), "British");
    EXPECT_EQ(form.control("Menu1Label").Caption(), "Save (GB)");
    EXPECT_TRUE(menu.Items(2).Checked());
}

TEST_F(LanguageMenuTest, NoChosenLanguageReadsTheFolderItselfAndChecksTheFirst) {
    temp.write("Language/Language.ini", "[Main]\r\nLabelMenu1=Plain\r\n");
    PanelPresentation unchosen{form, {temp.path(), "Language", "Skin", "Panel", 0}, "", ""};
    unchosen.BuildLanguageMenu();
    EXPECT_TRUE(form.menu("LanguageMenu").Items(0).Checked());
    unchosen.LoadLanguage();
    unchosen.Language().ApplyCaptions({});
    EXPECT_EQ(form.control("Menu1Label").Caption(), "Plain");
}

}  // namespace
