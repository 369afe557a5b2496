#include <gtest/gtest.h>

#include "EncodedText.h"
#include "ProfileFixture.h"
#include "RecordingProfileView.h"
#include "audio/settings/EConvertError.h"
#include "audio/settings/SoundProfileKeys.h"
#include "audio/settings/SoundProfiles.h"
#include "support/TempFolder.h"

namespace {

using Strings = std::vector<std::string>;

class SoundProfileFileTest : public ::testing::Test {
protected:
    int Read(const std::string& path) { return profiles.ReadProfile(path); }

    // A state where every stored field differs from its initial value.
    static void FillEveryField(AudioState& s) {
        for (int preset = 1; preset <= kEqPresets; ++preset) {
            EqualizerRecord record;
            record.m_wEQValue = {static_cast<std::uint16_t>(0x200 + preset), 0x9FF, 0x400, 0x3FF,
                                 static_cast<std::uint16_t>(0x800 + preset)};
            s.StorePreset(preset, record);
        }
        s.m_iCurrentPreset = 3;
        s.LoadPreset(3);
        s.m_iEQEN = 1;
        s.m_iEQFromEEPROM = 1;
        s.m_byLeftAlpha = 15, s.m_byLeftBeta = 0, s.m_byRightAlpha = 7, s.m_byRightBeta = 9;
        s.m_iFBM = 0, s.m_i3DEN = 1, s.m_i3DFromEEPROM = 1;
        s.m_iCurrentEffect = 4;
        s.m_i7ch1EN = 1;
        for (std::size_t i = 0; i < kSpeakers; ++i) {
            s.m_speakerPositions[i] = {static_cast<int>(600 + i), static_cast<int>(300 - 10 * i)};
        }
        int value = 2;
        for (auto& [key, field] : LedFields(s)) {
            *field = value++;
        }
        s.m_iLEDColorRGB[6] = 0x00F0CAA6;
        s.m_iENCEN = 1, s.m_iENCValue = 17, s.m_iVoiceMagicEN = 1, s.m_iVoiceMagicMode = 3;
    }

    TempFolder temp;
    AudioState state;
    RecordingProfileView view{state};
    PanelConfiguration config;
    SoundProfiles profiles{state, view, config, temp.path()};
};

TEST_F(SoundProfileFileTest, WritesTheKeysInOrderAndKeepsTheRestOfTheFile) {
    FillEveryField(state);
    temp.write("p.ini", "; saved by hand\r\n[EQ]\r\nEQEN=7\r\nMine=kept\r\n");

    EXPECT_EQ(profiles.WriteProfile(temp.file("p.ini")), 0);

    EXPECT_EQ(temp.read("p.ini"),
              "; saved by hand\r\n"
              "[EQ]\r\nEQEN=1\r\nMine=kept\r\n"
              "S1=0x201,0x9FF,0x400,0x3FF,0x801,1\r\nS2=0x202,0x9FF,0x400,0x3FF,0x802,1\r\n"
              "S3=0x203,0x9FF,0x400,0x3FF,0x803,1\r\nS4=0x204,0x9FF,0x400,0x3FF,0x804,1\r\n"
              "EQFromEEPROM=1\r\n"
              "[3D]\r\nLeftAlpha=15\r\nLeftBeta=0\r\nRightAlpha=7\r\nRightBeta=9\r\nFBM=0\r\n3DEN=1\r\n"
              "3DFromEEPROM=1\r\n"
              "[Effect]\r\nCurrentEffect=4\r\n"
              "[Virtual7ch1]\r\nC=602,280\r\nL=600,300\r\nLS=604,260\r\nLB=606,240\r\nRB=607,230\r\n"
              "RS=605,250\r\nSUB=603,270\r\nR=601,290\r\n7ch1EN=1\r\n"
              "[LED]\r\nLEDON=2\r\nLEDPageMode=3\r\nLEDOff=4\r\nLEDSingleColor=5\r\nLEDEffectMode=6\r\n"
              "LEDBreatheSpeed=7\r\nLEDRainbowSpeed=8\r\nLEDMultiBreatheSpeed=9\r\nLEDBreatheSliderPos=10\r\n"
              "LEDRainbowSliderPos=11\r\nLEDMultiBreatheSliderPos=12\r\nLEDSingleColorRGB=13\r\n"
              "LEDBreatheColorRGB=14\r\nLEDColor1RGB=15\r\nLEDColor2RGB=16\r\nLEDColor3RGB=17\r\n"
              "LEDColor4RGB=18\r\nLEDColor5RGB=19\r\nLEDColor6RGB=20\r\nLEDColor7RGB=15780518\r\n"
              "LEDFastRightSide=22\r\n"
              "[ENC]\r\nENCEN=1\r\nENCValue=17\r\n"
              "[VoiceMagic]\r\nVoiceMagicEN=1\r\nVoiceMagicMode=3\r\n");
    // Each preset passed through the current record; the current one is back.
    EXPECT_EQ(state.m_eqRecord, state.Preset(3));
    EXPECT_FALSE(state.m_bSavingProfile);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(SoundProfileFileTest, RoundTripRestoresWhatReadingTakesBack) {
    FillEveryField(state);
    profiles.WriteProfile(temp.file("p.ini"));

    AudioState fresh;
    RecordingProfileView freshView{fresh};
    SoundProfiles reader{fresh, freshView, config, temp.path()};
    ASSERT_EQ(reader.ReadProfile(temp.file("p.ini")), 0);

    for (int preset = 1; preset <= kEqPresets; ++preset) {
        EXPECT_EQ(fresh.Preset(preset).m_wEQValue, state.Preset(preset).m_wEQValue) << preset;
    }
    EXPECT_EQ(fresh.m_iEQEN, 1);
    EXPECT_EQ(fresh.m_iEQFromEEPROM, 1);
    EXPECT_EQ(fresh.m_i3DEN, 1);
    EXPECT_EQ(fresh.m_i3DFromEEPROM, 1);
    EXPECT_EQ(fresh.m_iCurrentEffect, 4);
    EXPECT_EQ(fresh.m_i7ch1EN, 1);
    EXPECT_EQ(fresh.m_speakerPositions, state.m_speakerPositions);
    auto want = LedFields(state);
    auto got = LedFields(fresh);
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(*got[i].second, *want[i].second) << want[i].first;
    }
    EXPECT_EQ(fresh.m_strProfilePath, temp.file("p.ini"));

    // Written for the headset's own memory and other tools, never read back.
    AudioState initial;
    EXPECT_EQ(fresh.m_byLeftAlpha, initial.m_byLeftAlpha);
    EXPECT_EQ(fresh.m_byLeftBeta, initial.m_byLeftBeta);
    EXPECT_EQ(fresh.m_byRightAlpha, initial.m_byRightAlpha);
    EXPECT_EQ(fresh.m_byRightBeta, initial.m_byRightBeta);
    EXPECT_EQ(fresh.m_iFBM, initial.m_iFBM);
    EXPECT_EQ(fresh.m_iENCEN, 0);
    EXPECT_EQ(fresh.m_iENCValue, 0);
    EXPECT_EQ(fresh.m_iVoiceMagicEN, 0);
    EXPECT_EQ(fresh.m_iVoiceMagicMode, 0);

    // The screen and the headset follow step by step; the current preset (S1
    // of the fresh panel) is selected again after each preset.
    EXPECT_EQ(
        freshView.calls,
        (Strings{"EqPresetRead 1", "EqPresetSelected 0x201", "EqPresetRead 2", "EqPresetSelected 0x201",
                 "EqPresetRead 3", "EqPresetSelected 0x201", "EqPresetRead 4", "EqPresetSelected 0x201",
                 "EqSwitchRead 1", "D3SwitchRead 1", "EffectRead 4", "SurroundRead 1", "LedButtonRead 2",
                 "LedSettingsRead 6", "ApplyLedState", "RefreshNoiseAndVoice", "RedrawPage"}));
}

TEST_F(SoundProfileFileTest, PresetsKeepTheirFlagsAndTakeEveryIntegerForm) {
    EqualizerRecord flagged;
    flagged.m_bFlagA = false;
    flagged.m_bFlagD = true;
    flagged.m_byMode = 5;
    state.StorePreset(2, flagged);

    ProfileFixture file;
    file.set("EQ", "S1", "0x9FF,0x200,$3FF,1024,0x0,1");
    file.set("EQ", "S2", "0xabc,+512,0X401,  7,\"0x400\",0");
    file.set("EQ", "EQEN", "");
    Read(file.save(temp));

    EXPECT_EQ(state.Preset(1).m_wEQValue, (std::array<std::uint16_t, 5>{0x9FF, 0x200, 0x3FF, 0x400, 0x000}));
    EqualizerRecord second = state.Preset(2);
    EXPECT_EQ(second.m_wEQValue, (std::array<std::uint16_t, 5>{0xABC, 512, 0x401, 7, 0x400}));
    EXPECT_FALSE(second.m_bFlagA);
    EXPECT_TRUE(second.m_bFlagD);
    EXPECT_EQ(second.m_byMode, 5);
    EXPECT_EQ(state.m_eqRecord, state.Preset(1));  // the current preset
    EXPECT_EQ(state.m_iEQEN, 0);                   // empty EQEN reads as off
}

const std::string kMissing = "<missing>";
const std::string kLongItem = std::string(127, '0') + "1";  // a number, but past the item buffer

struct FaultCase {
    std::string name;
    std::string section;
    std::string key;
    std::string value;  // kMissing: the key is left out
    std::string badText;
    std::string lastCall;  // what reached the screen before the fault
};

// A preset holds exactly six items and a position two, each at most 127
// characters; anything else is refused rather than cut or read past.
const FaultCase kFaults[] = {
    {"FivePresetItems", "EQ", "S2", "0x400,0x400,0x400,0x400,0x400", "0x400,0x400,0x400,0x400,0x400",
     "EqPresetSelected 0x400"},
    {"SevenPresetItems", "EQ", "S2", "0x400,0x400,0x400,0x400,0x400,1,1", "0x400,0x400,0x400,0x400,0x400,1,1",
     "EqPresetSelected 0x400"},
    {"LongPresetItem", "EQ", "S1", kLongItem + ",0x400,0x400,0x400,0x400,1", kLongItem, ""},
    {"BadPresetItem", "EQ", "S3", "0x400,0x4G0,0x400,0x400,0x400,1", "0x4G0", "EqPresetSelected 0x400"},
    {"MissingPreset", "EQ", "S4", kMissing, "", "EqPresetSelected 0x400"},
    {"BadEqFromEeprom", "EQ", "EQFromEEPROM", "yes", "yes", ""},
    {"Bad3DSwitch", "3D", "3DEN", "on", "on", "EqSwitchRead 0"},
    {"MissingEffect", "Effect", "CurrentEffect", kMissing, "", "D3SwitchRead 0"},
    {"Missing7ch1Switch", "Virtual7ch1", "7ch1EN", kMissing, "", "EffectRead 1"},
    {"OnePositionItem", "Virtual7ch1", "SUB", "100", "100", "EffectRead 1"},
    {"ThreePositionItems", "Virtual7ch1", "RB", "1,2,3", "1,2,3", "EffectRead 1"},
    {"LongPositionItem", "Virtual7ch1", "L", "1," + kLongItem, kLongItem, "EffectRead 1"},
    {"BadLedKey", "LED", "LEDColor3RGB", "red", "red", "SurroundRead 0"},
};

class SoundProfileFaultTest : public SoundProfileFileTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(SoundProfileFaultTest, StopsWithTheConversionErrorKeepingEarlierSteps) {
    const FaultCase& fault = GetParam();
    ProfileFixture file;
    if (fault.value == kMissing) {
        file.erase(fault.section, fault.key);
    } else {
        file.set(fault.section, fault.key, fault.value);
    }
    state.m_iCurrentEffect = 3;

    try {
        Read(file.save(temp));
        FAIL() << "no conversion error";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.what(), "'" + fault.badText + "' is not a valid integer value");
    }
    EXPECT_EQ(view.calls.empty() ? "" : view.calls.back(), fault.lastCall);
    // The path is taken once the surround is read, before the lighting.
    EXPECT_EQ(state.m_strProfilePath.empty(), fault.lastCall != "SurroundRead 0");
}

std::string FaultName(const ::testing::TestParamInfo<FaultCase>& param) {
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Faults, SoundProfileFaultTest, ::testing::ValuesIn(kFaults), FaultName);

TEST_F(SoundProfileFileTest, ProfileWithoutLightingKeepsTheLightingFields) {
    state.m_iLEDON = 0;
    state.m_iLEDPageMode = 1;
    state.m_iLEDEffectMode = 2;
    state.m_iLEDColorRGB = {1, 2, 3, 4, 5, 6, 7};
    ProfileFixture file;
    file.set("LED", "LEDSingleColorRGB", "255");
    file.set("LED", "LEDOff", "");  // empty counts as absent

    Read(file.save(temp));

    EXPECT_EQ(state.m_iLEDON, 0);
    EXPECT_EQ(state.m_iLEDPageMode, 1);
    EXPECT_EQ(state.m_iLEDEffectMode, 2);
    EXPECT_EQ(state.m_iLEDOff, 0);
    EXPECT_EQ(state.m_iLEDColorRGB, (std::array<int, 7>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(state.m_iLEDSingleColorRGB, 255);
    // No LEDON: the lighting button and the device lines are left alone.
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "LedButtonRead 0"), 0);
    EXPECT_EQ(view.calls.at(view.calls.size() - 4), "LedSettingsRead 2");
}

TEST_F(SoundProfileFileTest, MutualExclusionTurnsSurroundOffOnlyUnder3D) {
    struct Case {
        int exclusive, d3, surround, expected;
    } cases[] = {{1, 1, 1, 0}, {1, 0, 1, 1}, {0, 1, 1, 1}, {2, 1, 1, 1}, {1, 1, 0, 0}};
    for (const Case& c : cases) {
        config.m_mainWindow.m_i3DV7ch1MutuallyExclusive = c.exclusive;
        ProfileFixture file;
        file.set("3D", "3DEN", std::to_string(c.d3));
        file.set("Virtual7ch1", "7ch1EN", std::to_string(c.surround));
        view.calls.clear();
        Read(file.save(temp));
        EXPECT_EQ(state.m_i7ch1EN, c.expected) << c.exclusive << c.d3 << c.surround;
        EXPECT_NE(
            std::find(view.calls.begin(), view.calls.end(), "SurroundRead " + std::to_string(c.expected)),
            view.calls.end());
    }
}

TEST_F(SoundProfileFileTest, RoomEffectOutsideTheFiveReadsAsNothing) {
    const std::pair<const char*, int> cases[] = {{"5", 5}, {"2", 2},  {"0", 1},
                                                 {"6", 1}, {"-3", 1}, {"0x7FFFFFFF", 1}};
    for (auto [stored, expected] : cases) {
        ProfileFixture file;
        file.set("Effect", "CurrentEffect", stored);
        Read(file.save(temp));
        EXPECT_EQ(state.m_iCurrentEffect, expected) << stored;
    }
}

TEST_F(SoundProfileFileTest, ReadsUnicodeFilesLikeEightBitOnes) {
    ProfileFixture file;
    file.set("Effect", "CurrentEffect", "3");
    file.set("EQ", "S4", "0x111,0x222,0x333,0x444,0x555,1");
    for (IniEncoding encoding : {IniEncoding::Utf8, IniEncoding::Utf16Le}) {
        temp.write("u.ini", encodedFile(encoding, file.text()));
        AudioState fresh;
        RecordingProfileView freshView{fresh};
        SoundProfiles reader{fresh, freshView, config, temp.path()};
        reader.ReadProfile(temp.file("u.ini"));
        EXPECT_EQ(fresh.m_iCurrentEffect, 3);
        EXPECT_EQ(fresh.Preset(4).m_wEQValue[4], 0x555);

        // Writing keeps the file's own encoding.
        reader.WriteProfile(temp.file("u.ini"));
        EXPECT_EQ(temp.read("u.ini").substr(0, 2), encodedFile(encoding, "").substr(0, 2));
    }
}

}  // namespace
