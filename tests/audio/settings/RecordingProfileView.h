#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "audio/settings/AudioState.h"
#include "audio/settings/SoundProfileView.h"

// The main form's side of sound profiles as a log: each call with the value of
// AudioState it shows or sends, as the form would find it at that moment.
class RecordingProfileView : public SoundProfileView {
public:
    explicit RecordingProfileView(const AudioState& state) : m_state(state) {}

    bool CanOpenHeadset() override { return headsetPresent; }
    ui::Window* DialogOwner() override { return nullptr; }

    void EqPresetRead(int preset) override { Log("EqPresetRead " + std::to_string(preset)); }
    void EqPresetSelected() override { Log("EqPresetSelected " + Hex(m_state.m_eqRecord.m_wEQValue[0])); }
    void EqSwitchRead() override { Log("EqSwitchRead " + std::to_string(m_state.m_iEQEN)); }
    void D3SwitchRead() override { Log("D3SwitchRead " + std::to_string(m_state.m_i3DEN)); }
    void EffectRead() override { Log("EffectRead " + std::to_string(m_state.m_iCurrentEffect)); }
    void SurroundRead() override { Log("SurroundRead " + std::to_string(m_state.m_i7ch1EN)); }
    void LedButtonRead() override { Log("LedButtonRead " + std::to_string(m_state.m_iLEDON)); }
    void LedSettingsRead() override { Log("LedSettingsRead " + std::to_string(m_state.m_iLEDEffectMode)); }
    void ApplyLedState() override { Log("ApplyLedState"); }
    void RefreshNoiseAndVoice() override { Log("RefreshNoiseAndVoice"); }
    void RedrawPage() override { Log("RedrawPage"); }

    bool headsetPresent = true;
    std::vector<std::string> calls;

private:
    void Log(std::string call) { calls.push_back(std::move(call)); }
    static std::string Hex(unsigned value) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%X", value);
        return text;
    }

    const AudioState& m_state;
};
