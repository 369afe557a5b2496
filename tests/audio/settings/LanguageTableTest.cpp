#include "audio/settings/LanguageTable.h"

#include <gtest/gtest.h>

#include "audio/settings/CaptionKeys.h"
#include "audio/settings/EConvertError.h"
#include "audio/settings/LanguageList.h"
#include "support/TempFolder.h"

namespace {

TEST(CaptionValueTest, ItemsSetOnlyTheFieldsTheyGive) {
    CaptionSetting one = ParseCaption("Reset", PageEQ, 0);
    EXPECT_EQ(one.m_strText, "Reset");
    EXPECT_FALSE(one.m_bColorUp || one.m_bColorDown || one.m_bFont || one.m_bFontSize || one.m_bLeft ||
                 one.m_bTop || one.m_bWidth || one.m_bHeight);
    EXPECT_EQ(one.m_iPage, PageEQ);

    CaptionSetting red = ParseCaption("Reset,255", PageEQ, 0);
    EXPECT_TRUE(red.m_bColorUp);
    EXPECT_EQ(red.m_iColorUp, 255);
    EXPECT_FALSE(red.m_bColorDown);

    CaptionSetting fontOnly = ParseCaption("Reset,,,Arial,12", PageEQ, 0);
    EXPECT_FALSE(fontOnly.m_bColorUp || fontOnly.m_bColorDown);
    EXPECT_TRUE(fontOnly.m_bFont && fontOnly.m_bFontSize);
    EXPECT_EQ(fontOnly.m_strFont, "Arial");
    EXPECT_EQ(fontOnly.m_iFontSize, 12);

    CaptionSetting all = ParseCaption("\"A, B\",0x00FF00,$FF,Sans,9,1,2,3,4,6", PageAlways, 0);
    EXPECT_EQ(all.m_strText, "A, B");
    EXPECT_EQ(all.m_iColorUp, 0x00FF00);
    EXPECT_EQ(all.m_iColorDown, 0xFF);
    EXPECT_EQ(all.m_iLeft + all.m_iTop + all.m_iWidth + all.m_iHeight, 10);
    EXPECT_EQ(all.m_iPage, PageLED);

    EXPECT_THROW(ParseCaption("Reset,red", PageEQ, 0), EConvertError);
    EXPECT_EQ(ParseCaption(std::string(300, 'x'), PageEQ, 0).m_strText, std::string(127, 'x'));
}

TEST(CaptionValueTest, EmptyAndNullTextsHideTheirControl) {
    EXPECT_FALSE(ParseCaption("", PageMic, 0).HasText());
    EXPECT_FALSE(ParseCaption("(null)", PageMic, 0).HasText());
    EXPECT_FALSE(ParseCaption(",255", PageMic, 0).HasText());
    EXPECT_TRUE(ParseCaption("null", PageMic, 0).HasText());
}

TEST(CaptionValueTest, OldVersionMovesPageCaptionsByTheirSection) {
    CaptionSetting mic = ParseCaption("Gain,,,,,10,20", PageMic, 1);
    EXPECT_EQ(mic.m_iLeft, 402);
    EXPECT_EQ(mic.m_iTop, 124);
    CaptionSetting main = ParseCaption("Gain,,,,,10,20", PageAlways, 1);
    EXPECT_EQ(main.m_iLeft, 10);
    EXPECT_EQ(main.m_iTop, 20);
    // Item 10 names the page shown, not the scheme's offset.
    CaptionSetting moved = ParseCaption("Gain,,,,,10,20,,,0", PageMic, 1);
    EXPECT_EQ(moved.m_iLeft, 402);
    EXPECT_EQ(moved.m_iPage, PageAlways);
    CaptionSetting stays = ParseCaption("Gain,,,,,10,20,,,3", PageAlways, 1);
    EXPECT_EQ(stays.m_iLeft, 10);
    // Only what is given moves.
    CaptionSetting topOnly = ParseCaption("Gain,,,,,,20", PageMic, 1);
    EXPECT_FALSE(topOnly.m_bLeft);
    EXPECT_EQ(topOnly.m_iLeft, 0);
}

TEST(LanguageTableTest, LoadReadsGlobalFontAndEveryKeyWithItsSectionsPage) {
    TempFolder temp;
    temp.write("English/Language.ini",
               "[GlobalFont]\r\nColorUp=255,1\r\nColorDown=\r\nFont=Sans\r\nFontSize=10,99\r\n"
               "[Mic]\r\nLabelMicGain=Gain,,,,,10,20\r\n[About]\r\nLabelWeb=www\r\n"
               "[Main]\r\nLabelWarning=Not connected\r\n");
    LanguageTable table;
    table.Load(temp.file("English/Language.ini"), 1);
    EXPECT_EQ(table.Global().m_iColorUp, 255);
    EXPECT_EQ(table.Global().m_iColorDown, 0);
    EXPECT_EQ(table.Global().m_strFont, "Sans");
    EXPECT_EQ(table.Global().m_iFontSize, 10);
    EXPECT_EQ(table.Caption("LabelMicGain").m_iLeft, 402);
    EXPECT_EQ(table.Caption("LabelWeb").m_strText, "www");
    EXPECT_EQ(table.Caption("LabelWarning").m_strText, "Not connected");
    EXPECT_EQ(table.Caption("VMFunctionLabel").m_iPage, PageVMEffect);
    EXPECT_EQ(table.Caption("LableEQ3DEnable").m_iPage, PageEQ);

    // A second load replaces everything; a missing table leaves every text empty.
    table.Load(temp.file("None/Language.ini"), 0);
    EXPECT_EQ(table.Global().m_iFontSize, -1);
    for (const CaptionSetting& caption : table.Captions()) {
        EXPECT_FALSE(caption.HasText());
    }
}

TEST(LanguageTableTest, MalformedIntegerStopsTheLoadWithWhatCameBefore) {
    TempFolder temp;
    temp.write("Language.ini", "[Main]\r\nLabelMenu1=Save\r\nLabelMenu2=Open,blue\r\nLabelMenu3=About\r\n");
    LanguageTable table;
    try {
        table.Load(temp.file("Language.ini"), 0);
        FAIL() << "no conversion error";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'blue' is not a valid integer value");
    }
    EXPECT_EQ(table.Caption("LabelMenu1").m_strText, "Save");
    EXPECT_EQ(table.Caption("LabelMenu3").m_strText, "");
}

TEST(LanguageTableTest, KeysAreEightyAndTheWarningsComeLast) {
    auto keys = CaptionKeys();
    ASSERT_EQ(keys.size(), 80u);
    EXPECT_EQ(keys[78].m_strKey, "LabelWarning");
    EXPECT_EQ(keys[79].m_strKey, "LabelWarning1");
    EXPECT_EQ(keys[77].m_strKey, "LabelWeb");
}

TEST(LanguageTableTest, PathWithAndWithoutResolutionOrLanguage) {
    EXPECT_EQ(LanguageTablePath("/p", "Language", "1366x768", "English"), "/p/Language/1366x768/English/Language.ini");
    EXPECT_EQ(LanguageTablePath("/p", "Language", "", "English"), "/p/Language/English/Language.ini");
    EXPECT_EQ(LanguageTablePath("/p", "Language", "", ""), "/p/Language/Language.ini");
}

class LanguageListTest : public ::testing::Test {
protected:
    void SetUp() override {
        temp.write("AudioConfig.cfg",
                   "[MultiLanguageFolderMap]\r\nEnglish=English\r\nBritish=English\r\nChinese=简体中文\r\n");
        for (const char* folder : {"Chinese", "English", "British", "Klingon", "1366x768"}) {
            temp.write(std::string("Language/") + folder + "/Language.ini", "");
        }
        temp.write("Language/notes.txt", "a file, not a language");
        languages = ListLanguages(temp.file("Language"), temp.file("AudioConfig.cfg"));
    }

    TempFolder temp;
    std::vector<LanguageEntry> languages;
};

TEST_F(LanguageListTest, EverySubfolderSortedWithItsCaption) {
    ASSERT_EQ(languages.size(), 5u);
    std::vector<std::pair<std::string, std::string>> seen;
    for (const LanguageEntry& entry : languages) {
        seen.emplace_back(entry.m_strFolder, entry.m_strCaption);
    }
    // Without a resolution folder, resolution folders are offered as languages too.
    EXPECT_EQ(seen, (std::vector<std::pair<std::string, std::string>>{{"1366x768", ""},
                                                                      {"British", "English"},
                                                                      {"Chinese", "简体中文"},
                                                                      {"English", "English"},
                                                                      {"Klingon", ""}}));
}

TEST_F(LanguageListTest, SameCaptionChoosesTheFirstFolderAndCheckFallsBackToTheFirst) {
    EXPECT_EQ(LanguageForCaption(languages, "English"), "British");
    EXPECT_EQ(LanguageForCaption(languages, "简体中文"), "Chinese");
    EXPECT_EQ(CheckedLanguage(languages, "English"), 3);
    EXPECT_EQ(CheckedLanguage(languages, ""), 0);
    EXPECT_EQ(CheckedLanguage({}, "English"), -1);
}

}  // namespace
