// The EQ page on the emulated headset: sliders dragged through the panel's
// mouse hook, the presets, "EQ-EN", RESET and the EEPROM, seen in the page's
// controls and in what reached the headset.
#include <gtest/gtest.h>

#include <algorithm>

#include "PanelFixture.h"
#include "audio/device/EqualizerImage.h"
#include "audio/mainform/EqualizerMath.h"
#include "audio/settings/ProfileStrings.h"
#include "platform/forms/TLabel.h"

namespace {

constexpr const char* kBands[kEqBands] = {"60Hz", "300Hz", "1200Hz", "3600Hz", "12000Hz"};
const std::vector<std::uint16_t> kFlatRegisters = {0x00, 0x04, 0x00, 0x04, 0x00, 0x04, 0x00, 0x04, 0x00, 0xE4};

class EqualizerPageTest : public PanelFixture {
public:
    void Open() {
        PanelFixture::Open();
        travel = form->Presentation().Skin().Settings().m_eqSlider;
        ASSERT_EQ(travel.m_iLength, 226) << "the numbers below are the shipped skin's";
    }

    std::string Knob(std::size_t band) const { return std::string("EQ") + kBands[band] + "SliderImage"; }
    int KnobTop(std::size_t band) { return Control(Knob(band)).Top(); }
    std::string Value(std::size_t band) { return Control(std::string("EQ") + kBands[band] + "ValueLabel").Caption(); }
    void DragTo(std::size_t band, int top) { Drag(Knob(band), 0, top - KnobTop(band)); }
    int Top() const { return travel.m_iTop; }
    int Middle() const { return travel.m_iTop + travel.m_iLength / 2; }
    int Bottom() const { return travel.m_iTop + travel.m_iLength; }

    std::array<std::uint16_t, kEqBands> Gains() const { return form->State().m_eqRecord.m_wEQValue; }
    bool EqualizerOn() const { return headset->chip().equalizerOn; }
    std::vector<std::uint16_t> EqualizerRegisters() const {
        std::vector<std::uint16_t> values;
        for (std::uint16_t reg = 288; reg <= 297; ++reg) {
            values.push_back(Register(reg));
        }
        return values;
    }
    // The SDK's equalizer calls, refused ones marked "!".
    std::vector<std::string> SdkCalls() const {
        std::vector<std::string> calls;
        for (const std::string& line : Log()) {
            if (line.starts_with("equalizer") || line.starts_with("config equalizer") || line.starts_with("!equalizer")) {
                calls.push_back(line);
            }
        }
        return calls;
    }
    long RegisterWrites() const {
        auto lines = Log();
        return std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("write 0x012"); });
    }
    std::string SkinFile(const char* key) {
        return form->Presentation().Skin().Settings().Image("EQ", key).m_strFileName;
    }

    SliderTravel travel;
};

TEST_F(EqualizerPageTest, TheMiddleWithTheOthersFlatHoldsTheEqualizerOffWhileEqEnShowsOn) {
    Open();
    Click("EQEQENImage");
    EXPECT_EQ(form->State().m_iEQEN, 1);
    EXPECT_EQ(Picture("EQEQENImage"), SkinFile("EQEQENImageDown"));
    EXPECT_EQ(SdkCalls(), (std::vector<std::string>{"config equalizer", "equalizer 0"})) << "all bands flat";

    DragTo(1, Top() + 20);
    EXPECT_TRUE(EqualizerOn());
    EXPECT_NE(Register(290), 0x00);

    headset->log().clear();
    DragTo(1, Middle());
    EXPECT_EQ(Gains()[1], kFlatGain);
    EXPECT_FALSE(EqualizerOn());
    EXPECT_EQ(SdkCalls().back(), "equalizer 0");
    EXPECT_EQ(form->State().m_iEQEN, 1);
    EXPECT_EQ(Picture("EQEQENImage"), SkinFile("EQEQENImageDown"));

    DragTo(3, Bottom());
    EXPECT_TRUE(EqualizerOn()) << "a band away from the middle switches it on again";
}

// Band 4 shares register 297 with the four flags: only its low nibble moves.
TEST_F(EqualizerPageTest, TopMiddleAndBottomReadAsTheirGainsInLabelsAndRegisters) {
    Open();
    headset->change([](sim::HeadsetChip& chip) { chip.registers[297] = 0x50; });
    struct Case {
        std::size_t band;
        int (EqualizerPageTest::*target)() const;
        const char* label;
        std::uint8_t low, high;
    } cases[] = {
        {0, &EqualizerPageTest::Top, "9ff", 0xFF, 0x09},
        {2, &EqualizerPageTest::Middle, "400", 0x00, 0x04},
        {4, &EqualizerPageTest::Bottom, "200", 0x00, 0x52},
        {4, &EqualizerPageTest::Top, "9ff", 0xFF, 0x59},
    };
    for (const Case& c : cases) {
        DragTo(c.band, Top() + 30);
        DragTo(c.band, (this->*c.target)());
        EXPECT_EQ(Value(c.band), c.label) << c.band;
        EXPECT_EQ(Register(static_cast<std::uint16_t>(288 + 2 * c.band)), c.low) << c.band;
        EXPECT_EQ(Register(static_cast<std::uint16_t>(289 + 2 * c.band)), c.high) << c.band;
    }
}

TEST_F(EqualizerPageTest, BarsMoveTheKnobToThePressAndDragsStayWithinTheTravel) {
    Open();
    // A press on the bar or its lit lower part puts the knob's middle there.
    const ui::Rect bar = Control("EQ1200HzBarImage").FormRect();
    const int height = Control(Knob(2)).Height();
    driver.click(*form, {bar.left + bar.width() / 2, Top() + 40 + height / 2});
    EXPECT_EQ(KnobTop(2), Top() + 40);
    EXPECT_EQ(Value(2), "7e0");
    driver.click(*form, {bar.left + bar.width() / 2, Top() + 200 + height / 2});
    EXPECT_EQ(KnobTop(2), Top() + 200);
    EXPECT_EQ(Value(2), "276");
    EXPECT_EQ(Register(292), 0x76);
    EXPECT_EQ(Register(293), 0x02);

    std::string error;
    const auto start = forms::locateControl(Knob(2), error);
    ASSERT_TRUE(start) << error;
    const int left = Control(Knob(2)).Left();
    driver.mouseMove(*form, start->point);
    driver.mouseDown(*form, start->point);
    driver.mouseMove(*form, {start->point.x + 300, start->point.y - 1000});
    EXPECT_EQ(KnobTop(2), Top());
    driver.mouseMove(*form, {start->point.x + 300, start->point.y - 400});
    EXPECT_EQ(KnobTop(2), Top()) << "still beyond the top";
    driver.mouseMove(*form, {start->point.x, start->point.y + 1000});
    EXPECT_EQ(KnobTop(2), Bottom());
    driver.mouseUp(*form, {start->point.x, start->point.y + 1000});
    EXPECT_EQ(Control(Knob(2)).Left(), left);
    EXPECT_EQ(Value(2), "200");
    EXPECT_EQ(Register(292), 0x00);

    // After the release the pointer's moves do nothing.
    driver.mouseMove(*form, start->point);
    EXPECT_EQ(KnobTop(2), Bottom());
}

TEST_F(EqualizerPageTest, PresetsShowTheirButtonAndCaptionAndAFlatOneWritesNothing) {
    Open();
    Click("EQEQENImage");
    DragTo(0, Top());
    ASSERT_TRUE(EqualizerOn());

    headset->log().clear();
    Click("EQS2Image");
    EXPECT_EQ(RegisterWrites(), 0);
    EXPECT_FALSE(EqualizerOn()) << "a flat preset holds the equalizer off";
    EXPECT_EQ(form->State().m_iEQEN, 1);
    EXPECT_EQ(Control("SXLabel").Caption(), "Game");
    EXPECT_EQ(Picture("EQS2Image"), SkinFile("EQS2ImageDown"));
    EXPECT_EQ(Picture("EQS1Image"), SkinFile("EQS1ImageUp"));
    EXPECT_EQ(Value(0), "400");
    EXPECT_EQ(Control(Knob(0)).Top(), Middle());

    headset->log().clear();
    Click("EQS1Label");  // the caption on the button passes its press on
    EXPECT_EQ(RegisterWrites(), 10);
    EXPECT_EQ(EqualizerRegisters(),
              (std::vector<std::uint16_t>{0xFF, 0x09, 0x00, 0x04, 0x00, 0x04, 0x00, 0x04, 0x00, 0xE4}));
    EXPECT_TRUE(EqualizerOn());
    EXPECT_EQ(Control("SXLabel").Caption(), "Music");
    EXPECT_EQ(Value(0), "9ff");
    EXPECT_EQ(KnobTop(0), Top());
}

TEST_F(EqualizerPageTest, TheSwitchIsSetAgainWhenItsReadBackDiffers) {
    Open();
    DragTo(0, Top());
    headset->log().clear();
    Click("EQEQENImage");
    EXPECT_EQ(SdkCalls(), (std::vector<std::string>{"config equalizer", "equalizer 1", "equalizer state"}));

    headset->log().clear();
    headset->failCommand("equalizer state", 1);
    Click("EQEQENImage");
    EXPECT_EQ(SdkCalls(),
              (std::vector<std::string>{"config equalizer", "equalizer 0", "!equalizer state", "equalizer 0"}));
    EXPECT_EQ(Picture("EQEQENImage"), SkinFile("EQEQENImageUp"));
}

TEST_F(EqualizerPageTest, AFailingRegisterEndsTheBandsExchangeWhileTheScreenKeepsTheValue) {
    Open();
    headset->failCommand("select 0x0122", 1);
    Drag(Knob(1), 0, -4);
    const auto lines = Log();
    const auto refused = std::find(lines.begin(), lines.end(), "!select 0x0122");
    ASSERT_NE(refused, lines.end());
    EXPECT_EQ(std::find(refused, lines.end(), "end of exchange"), lines.end());
    EXPECT_EQ(Value(1), "438");
    EXPECT_EQ(Gains()[1], 0x438);

    Drag(Knob(1), 0, -4);
    EXPECT_EQ(Log().back(), "end of exchange");
    EXPECT_EQ(Register(290), 0x6E);
}

TEST_F(EqualizerPageTest, WithoutTheHeadsetAKnobPressShowsTheWarning) {
    headset->unplug();
    Open();
    const int top = KnobTop(0);
    Drag(Knob(0), 0, -50);
    ASSERT_EQ(driver.messageBoxes().size(), 1u);
    EXPECT_EQ(driver.messageBoxes()[0].text, "The headset is not connected.");
    EXPECT_EQ(KnobTop(0), top);
}

TEST_F(EqualizerPageTest, ResetTakesTheDefaultProfilesBandsSnappedToTheirSliders) {
    Configure("DefaultIni=0", "DefaultIni=2");
    config.write("SonvairApp/DefaultProfile.ini", "[EQ]\r\nS1=0x708,0x2FE,1024,0x500,0x9FF,1\r\n");
    Open();
    DragTo(0, Bottom());
    DragTo(4, Middle());
    Click("EQResetImage");
    EXPECT_EQ(Gains(), (std::array<std::uint16_t, kEqBands>{0x708, 0x2FE, 0x400, 0x4F5, 0x9FF}));
    EXPECT_EQ(KnobTop(3), Top() + 95);
    EXPECT_EQ(Value(3), "4f5");
    EXPECT_EQ(form->State().m_iEQEN, 1);
    EXPECT_EQ(EqualizerRegisters(),
              (std::vector<std::uint16_t>{0x08, 0x07, 0xFE, 0x02, 0x00, 0x04, 0xF5, 0x04, 0xFF, 0xE9}));
    EXPECT_TRUE(EqualizerOn());
    EXPECT_EQ(form->State().Preset(1).m_wEQValue, Gains());
}

TEST_F(EqualizerPageTest, WithDefaultIniOneTheDefaultProfileGivesThePresetsAtStartUp) {
    Configure("DefaultIni=0", "DefaultIni=1");
    Open();
    Close();
    std::filesystem::rename(ProfileFile("LastProfile.ini"), ProfileFile("DefaultProfile.ini"));
    WriteIniString(ProfileFile("DefaultProfile.ini"), "EQ", "S1", "0x9FF,0x400,0x400,0x400,0x200,1");
    WriteIniString(ProfileFile("DefaultProfile.ini"), "EQ", "EQEN", "1");
    Open();
    EXPECT_EQ(Gains(), (std::array<std::uint16_t, kEqBands>{0x9FF, 0x400, 0x400, 0x400, 0x200}));
    EXPECT_EQ(EqualizerRegisters(),
              (std::vector<std::uint16_t>{0xFF, 0x09, 0x00, 0x04, 0x00, 0x04, 0x00, 0x04, 0x00, 0xE2}));
    EXPECT_TRUE(EqualizerOn());
    EXPECT_EQ(KnobTop(0), Top());
    EXPECT_EQ(Value(4), "200");
}

TEST_F(EqualizerPageTest, ResetWithoutAUsableDefaultPresetIsFlat) {
    Configure("DefaultIni=0", "DefaultIni=2");
    config.write("SonvairApp/DefaultProfile.ini", "[EQ]\r\nS1=0x708,0x2FE\r\n");
    Open();
    Click("EQEQENImage");
    DragTo(0, Top());
    ASSERT_TRUE(EqualizerOn());
    Click("EQResetLabel");
    EXPECT_EQ(Gains(), EqualizerRecord{}.m_wEQValue);
    EXPECT_EQ(EqualizerRegisters(), kFlatRegisters);
    EXPECT_FALSE(EqualizerOn());
    EXPECT_EQ(KnobTop(0), Middle());
}

TEST_F(EqualizerPageTest, ClosingResetsTheEqualizerAndSwitchesItOff) {
    Open();
    Click("EQEQENImage");
    DragTo(2, Top());
    DragTo(4, Bottom());
    ASSERT_TRUE(EqualizerOn());
    Close();
    EXPECT_EQ(EqualizerRegisters(), kFlatRegisters);
    EXPECT_FALSE(EqualizerOn());
}

// Preset S1 from the bank the selector names: bank 3 holds gains of 0xFFF
// with the equalizer on, bank 0 gains of 0x800 with it off.
TEST_F(EqualizerPageTest, TheEepromsBankSelectorPicksTheImageOfPresetS1) {
    Open();
    Close();
    WriteIniString(ProfileFile("LastProfile.ini"), "EQ", "EQFromEEPROM", "1");
    EqualizerImage on, off;
    on.m_wGain.fill(0xFFF);
    on.m_bFlagA = false;
    off.m_wGain.fill(0x800);
    headset->change([&](sim::HeadsetChip& chip) {
        on.Pack(chip.eeprom[1], 48);
        off.Pack(chip.eeprom[1], 0);
        chip.eeprom[0][141] = 0x01;
    });
    struct Case {
        std::uint8_t selector;
        std::uint16_t gain;
        int eqOn;
        bool flagsAt55;
    } cases[] = {{0x13, 0x9FF, 1, true}, {0x20, 0x600, 0, false}, {0x10, 0x600, 0, false}};
    for (const Case& c : cases) {
        headset->change([&](sim::HeadsetChip& chip) { chip.eeprom[0][142] = c.selector; });
        headset->log().clear();
        Open();
        const auto lines = Log();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), "write 0x03F1 = 0x37") > 0, c.flagsAt55) << int(c.selector);
        EXPECT_EQ(form->State().Preset(1).m_wEQValue[0], c.gain) << int(c.selector);
        EXPECT_EQ(Gains()[4], c.gain);
        EXPECT_EQ(form->State().m_iEQEN, c.eqOn);
        EXPECT_EQ(EqualizerOn(), c.eqOn == 1);
        EXPECT_EQ(Value(2), eqmath::GainLabel(c.gain));
        Close();
    }
}

TEST_F(EqualizerPageTest, AnEepromWithoutStoredGainsGivesFlatAndAnEmptyFlagByteLeavesThePresets) {
    Open();
    Close();
    WriteIniString(ProfileFile("LastProfile.ini"), "EQ", "EQFromEEPROM", "1");
    headset->change([](sim::HeadsetChip& chip) {
        chip.eeprom[0][141] = 0x00;
        chip.eeprom[1][7] = 0x64;  // equalizer on, gains not used
    });
    Open();
    EXPECT_EQ(Gains(), EqualizerRecord{}.m_wEQValue);
    EXPECT_EQ(form->State().m_iEQEN, 1);
    EXPECT_FALSE(EqualizerOn()) << "flat";
    EXPECT_TRUE(form->Equalizer().Flat());
    Close();

    headset->change([](sim::HeadsetChip& chip) { chip.eeprom[1][7] = 0xFF; });
    WriteIniString(ProfileFile("LastProfile.ini"), "EQ", "EQEN", "0");
    headset->log().clear();
    Open();
    EXPECT_EQ(form->State().m_iEQEN, 0) << "the profile's switch stays";
    EXPECT_TRUE(form->Equalizer().Flat());
}

}  // namespace
