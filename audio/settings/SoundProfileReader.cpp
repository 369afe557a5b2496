#include "audio/settings/SoundProfileReader.h"

#include "audio/settings/ConfigValues.h"
#include "audio/settings/EConvertError.h"
#include "audio/settings/ProfileStrings.h"
#include "audio/settings/SoundProfileKeys.h"
#include "platform/core/Unicode.h"

namespace {

constexpr int kFirstEffect = 1;               // Nothing
constexpr int kLastEffect = 5;                // StoneGallery
constexpr std::size_t kFirstLightingKey = 1;  // after LEDON

bool tooLong(const std::string& item) {
    return core::cutToCharacters(item, kListItemCharacters).size() != item.size();
}

}  // namespace

std::vector<int> ProfileIntegerItems(const std::string& value, std::size_t count) {
    std::vector<std::string> items = SplitAllListItems(value);
    if (items.size() != count) {
        throw EConvertError(value);
    }
    std::vector<int> numbers;
    for (const std::string& item : items) {
        if (tooLong(item)) {
            throw EConvertError(item);
        }
        numbers.push_back(StrictInteger(item));
    }
    return numbers;
}

SoundProfileReader::SoundProfileReader(AudioState& state, SoundProfileView& view, int mutuallyExclusive)
    : m_state(state), m_view(view), m_iMutuallyExclusive(mutuallyExclusive) {}

std::string SoundProfileReader::Value(const char* section, const std::string& key) const {
    std::string value;
    ReadIniString(m_strPath, section, key, value);
    return value;
}

int SoundProfileReader::OptionalInteger(const char* section, const std::string& key) const {
    std::string value = Value(section, key);
    return value.empty() ? 0 : StrictInteger(value);
}

int SoundProfileReader::ReadProfile(const std::string& path) {
    m_strPath = path;
    // Without an active headset the view keeps presets to the screen and the
    // preset buffer; it knows the device state, the reader does not.
    m_state.m_iEQFromEEPROM = OptionalInteger(kEqSection, "EQFromEEPROM");
    ReadPresets();
    ReadSwitchesAndEffect();
    ReadSurround();
    m_state.m_strProfilePath = path;
    ReadLedButton();
    ReadLighting();
    m_view.RefreshNoiseAndVoice();
    m_view.RedrawPage();
    return 0;
}

void SoundProfileReader::ReadPresets() {
    for (int preset = 1; preset <= kEqPresets; ++preset) {
        auto items = ProfileIntegerItems(Value(kEqSection, "S" + std::to_string(preset)), kPresetItems);
        EqualizerRecord record = m_state.Preset(preset);
        for (std::size_t band = 0; band < kEqBands; ++band) {
            record.m_wEQValue[band] = static_cast<std::uint16_t>(items[band]);
        }
        m_state.StorePreset(preset, record);
        m_state.m_iEQEN = items[kEqBands];
        m_view.EqPresetRead(preset);
        m_state.LoadPreset(m_state.m_iCurrentPreset);
        m_view.EqPresetSelected();
    }
}

void SoundProfileReader::ReadSwitchesAndEffect() {
    m_state.m_iEQEN = OptionalInteger(kEqSection, "EQEN");
    m_view.EqSwitchRead();
    m_state.m_i3DEN = OptionalInteger(k3DSection, "3DEN");
    m_view.D3SwitchRead();
    m_state.m_i3DFromEEPROM = OptionalInteger(k3DSection, "3DFromEEPROM");

    int effect = StrictInteger(Value(kEffectSection, "CurrentEffect"));
    // The effect picks one of five buttons and the headset's effect index 0..4:
    // anything else would reach past both, so it reads as Nothing.
    m_state.m_iCurrentEffect = (effect >= kFirstEffect && effect <= kLastEffect) ? effect : kFirstEffect;
    m_view.EffectRead();
}

void SoundProfileReader::ReadSurround() {
    m_state.m_i7ch1EN = StrictInteger(Value(kVirtual7ch1Section, "7ch1EN"));
    if (m_iMutuallyExclusive == 1 && m_state.m_i3DEN == 1) {
        m_state.m_i7ch1EN = 0;
    }
    for (std::size_t speaker = 0; speaker < kSpeakers; ++speaker) {
        auto items = ProfileIntegerItems(Value(kVirtual7ch1Section, kSpeakerKeys[speaker]), kPositionItems);
        m_state.m_speakerPositions[speaker] = SpeakerPosition{items[0], items[1]};
    }
    m_view.SurroundRead();
}

void SoundProfileReader::ReadLedButton() {
    std::string value = Value(kLedSection, "LEDON");
    if (!value.empty()) {
        m_state.m_iLEDON = StrictInteger(value);
        m_view.LedButtonRead();
    }
}

// Lighting keys are optional one by one: an absent key keeps its field.
void SoundProfileReader::ReadLighting() {
    auto fields = LedFields(m_state);
    for (std::size_t i = kFirstLightingKey; i < fields.size(); ++i) {
        std::string value = Value(kLedSection, fields[i].first);
        if (!value.empty()) {
            *fields[i].second = StrictInteger(value);
        }
    }
    m_view.LedSettingsRead();
    m_view.ApplyLedState();
}

void SoundProfileReader::ReadDefaultSwitches(const std::string& path) {
    m_strPath = path;
    m_state.m_iDefaultEQEN = OptionalInteger(kEqSection, "EQEN");
    m_state.m_iDefault3DEN = OptionalInteger(k3DSection, "3DEN");
    m_state.m_iDefault7ch1EN = OptionalInteger(kVirtual7ch1Section, "7ch1EN");
    m_state.m_iDefaultENCEN = OptionalInteger(kEncSection, "ENCEN");
}
