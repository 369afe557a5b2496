// A sound profile may hold anything a user, another tool or a half-finished
// copy left in it. Reading applies what it can or stops with the conversion
// error; whatever it left in AudioState must be written and read back as is.
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "support/TempFolder.h"
#include "audio/settings/EConvertError.h"
#include "audio/settings/SoundProfileKeys.h"
#include "audio/settings/SoundProfileReader.h"
#include "audio/settings/SoundProfileWriter.h"

namespace {

class QuietView : public SoundProfileView {
public:
    explicit QuietView(const AudioState& state) : state_(state) {}
    bool CanOpenHeadset() override { return true; }
    ui::Window* DialogOwner() override { return nullptr; }
    void EqPresetRead(int preset) override { FUZZ_CHECK(preset >= 1 && preset <= kEqPresets); }
    void EqPresetSelected() override {}
    void EqSwitchRead() override {}
    void D3SwitchRead() override {}
    void EffectRead() override { FUZZ_CHECK(state_.m_iCurrentEffect >= 1 && state_.m_iCurrentEffect <= 5); }
    void SurroundRead() override {}
    void LedButtonRead() override {}
    void LedSettingsRead() override {}
    void ApplyLedState() override {}
    void RefreshNoiseAndVoice() override {}
    void RedrawPage() override {}

private:
    const AudioState& state_;
};

bool ReadAll(AudioState& state, const std::string& path, int mutuallyExclusive) {
    QuietView view(state);
    try {
        SoundProfileReader(state, view, mutuallyExclusive).ReadProfile(path);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

void CheckSameAfterReading(AudioState& first, AudioState& second) {
    for (int preset = 1; preset <= kEqPresets; ++preset) {
        FUZZ_CHECK(first.Preset(preset).m_wEQValue == second.Preset(preset).m_wEQValue);
    }
    FUZZ_CHECK(first.m_iEQEN == second.m_iEQEN && first.m_iEQFromEEPROM == second.m_iEQFromEEPROM);
    FUZZ_CHECK(first.m_i3DEN == second.m_i3DEN && first.m_i3DFromEEPROM == second.m_i3DFromEEPROM);
    FUZZ_CHECK(first.m_iCurrentEffect == second.m_iCurrentEffect && first.m_i7ch1EN == second.m_i7ch1EN);
    FUZZ_CHECK(first.m_speakerPositions == second.m_speakerPositions);
    auto a = LedFields(first);
    auto b = LedFields(second);
    for (std::size_t i = 0; i < a.size(); ++i) {
        FUZZ_CHECK(*a[i].second == *b[i].second);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempFolder folder;
    const std::string path = folder.file("profile.ini");
    folder.write("profile.ini", AsText(data, size));
    // Let the first byte choose whether 3D and virtual 7.1 exclude each other.
    int mutuallyExclusive = size > 0 && (data[0] & 1) ? 1 : 0;

    AudioState first;
    ReadAll(first, path, mutuallyExclusive);
    FUZZ_CHECK(first.m_iCurrentEffect >= 1 && first.m_iCurrentEffect <= 5);

    // Written into the same file, whatever else it holds, it reads back whole.
    WriteProfile(first, path);
    FUZZ_CHECK(!first.m_bSavingProfile);
    AudioState second;
    FUZZ_CHECK(ReadAll(second, path, 0));
    CheckSameAfterReading(first, second);
    return 0;
}
