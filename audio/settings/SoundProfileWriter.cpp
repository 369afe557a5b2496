#include "audio/settings/SoundProfileWriter.h"

#include <cstdio>
#include <vector>

#include "audio/settings/ProfileStrings.h"
#include "audio/settings/SoundProfileKeys.h"

namespace {

// Speakers as the file lists them.
constexpr std::array<Speaker, kSpeakers> kSpeakerWriteOrder{SpeakerC,  SpeakerL,  SpeakerLS,  SpeakerLB,
                                                            SpeakerRB, SpeakerRS, SpeakerSUB, SpeakerR};

std::string decimal(int value) {
    return std::to_string(value);
}

std::string presetText(const EqualizerRecord& record, int eqOn) {
    const auto& g = record.m_wEQValue;
    char text[96];
    std::snprintf(text, sizeof text, "0x%X,0x%X,0x%X,0x%X,0x%X,%d", g[0], g[1], g[2], g[3], g[4], eqOn);
    return text;
}

std::string positionText(const SpeakerPosition& position) {
    return decimal(position.m_iLeft) + "," + decimal(position.m_iTop);
}

class EntryList {
public:
    void add(const char* section, const std::string& key, const std::string& value) {
        entries_.push_back({section, key, value});
    }
    const std::vector<profile::Entry>& entries() const { return entries_; }

private:
    std::vector<profile::Entry> entries_;
};

// Each preset passes through the current record, as the page shows it; the
// headset hears nothing of it while m_bSavingProfile is set.
void addPresets(AudioState& state, EntryList& list) {
    for (int preset = 1; preset <= kEqPresets; ++preset) {
        state.LoadPreset(preset);
        list.add(kEqSection, "S" + decimal(preset), presetText(state.m_eqRecord, state.m_iEQEN));
    }
    state.LoadPreset(state.m_iCurrentPreset);
}

void addSwitchesAndEffects(const AudioState& state, EntryList& list) {
    list.add(kEqSection, "EQEN", decimal(state.m_iEQEN));
    list.add(kEqSection, "EQFromEEPROM", decimal(state.m_iEQFromEEPROM));
    list.add(k3DSection, "LeftAlpha", decimal(state.m_byLeftAlpha));
    list.add(k3DSection, "LeftBeta", decimal(state.m_byLeftBeta));
    list.add(k3DSection, "RightAlpha", decimal(state.m_byRightAlpha));
    list.add(k3DSection, "RightBeta", decimal(state.m_byRightBeta));
    list.add(k3DSection, "FBM", decimal(state.m_iFBM));
    list.add(k3DSection, "3DEN", decimal(state.m_i3DEN));
    list.add(k3DSection, "3DFromEEPROM", decimal(state.m_i3DFromEEPROM));
    list.add(kEffectSection, "CurrentEffect", decimal(state.m_iCurrentEffect));
    for (Speaker speaker : kSpeakerWriteOrder) {
        list.add(kVirtual7ch1Section, kSpeakerKeys[speaker], positionText(state.m_speakerPositions[speaker]));
    }
    list.add(kVirtual7ch1Section, "7ch1EN", decimal(state.m_i7ch1EN));
}

void addLightingAndVoice(AudioState& state, EntryList& list) {
    for (const auto& [key, field] : LedFields(state)) {
        list.add(kLedSection, key, decimal(*field));
    }
    list.add(kEncSection, "ENCEN", decimal(state.m_iENCEN));
    list.add(kEncSection, "ENCValue", decimal(state.m_iENCValue));
    list.add(kVoiceMagicSection, "VoiceMagicEN", decimal(state.m_iVoiceMagicEN));
    list.add(kVoiceMagicSection, "VoiceMagicMode", decimal(state.m_iVoiceMagicMode));
}

}  // namespace

int WriteProfile(AudioState& state, const std::string& path) {
    state.m_bSavingProfile = true;
    EntryList list;
    addPresets(state, list);
    addSwitchesAndEffects(state, list);
    addLightingAndVoice(state, list);
    WriteIniStrings(path, list.entries());
    state.m_bSavingProfile = false;
    return 0;
}
