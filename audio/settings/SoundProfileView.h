#pragma once

namespace ui {
class Window;
}

// What sound profiles do to the screen and the headset. The main form
// implements it. Reading calls the members in the order they are declared
// here, each once AudioState already holds the values it shows or sends.
class SoundProfileView {
public:
    virtual ~SoundProfileView() = default;

    // Saving and opening a profile are refused while the headset cannot be opened.
    virtual bool CanOpenHeadset() = 0;
    // Owner of the open and save dialogs and of the error box.
    virtual ui::Window* DialogOwner() = 0;

    // The preset's gains are in the preset buffer: its slider positions follow.
    virtual void EqPresetRead(int preset) = 0;
    // The current preset was loaded into the current record again: redraw it,
    // send it while in sync, and apply the equalizer switch.
    virtual void EqPresetSelected() = 0;
    virtual void EqSwitchRead() = 0;  // m_iEQEN to the screen and the headset
    virtual void D3SwitchRead() = 0;  // m_i3DEN likewise
    virtual void EffectRead() = 0;    // m_iCurrentEffect shown, the effect sent
    // The surround geometry follows the speaker positions; m_i7ch1EN goes to the headset.
    virtual void SurroundRead() = 0;
    virtual void LedButtonRead() = 0;    // the lighting button and the device lines follow m_iLEDON
    virtual void LedSettingsRead() = 0;  // ticks, effect images, knobs and swatches; the effect event
    virtual void ApplyLedState() = 0;
    virtual void RefreshNoiseAndVoice() = 0;
    virtual void RedrawPage() = 0;
};
