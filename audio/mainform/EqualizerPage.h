#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "audio/device/audiosdk/AudioSdk.h"
#include "audio/mainform/HeadsetState.h"
#include "audio/settings/AudioState.h"
#include "audio/settings/SkinSettings.h"

namespace forms {
class TControl;
class TForm;
class TImage;
class TLabel;
}  // namespace forms
class SliderHook;

// The tags of the EQ page's image buttons; bar n is 129 + n, its lower bar 229 + n.
enum EqualizerTag : int {
    TagEQReset = 5,
    TagEQEN = 7,
    TagEQS1 = 9,
    TagEQS4 = 12,
    TagEQSlider = 29,  // + band
};

// What the page needs to know of the panel's settings.
struct EqualizerSettings {
    int m_iDefaultIni = 0;       // non-zero: RESET takes the default profile's preset
    std::string m_strDefaultProfile;  // its path
};

// The EQ page: five band sliders with their value labels, the presets S1 to
// S4, "EQ-EN" and "RESET", and the equalizer's part of the headset: band
// gains as chip registers (only while in sync), the on/off state through the
// SDK, and the gains the headset's EEPROM keeps.
class EqualizerPage {
public:
    EqualizerPage(forms::TForm& form, AudioState& state, HeadsetState& device, AudioSdk& sdk,
                  EqualizerSettings settings);

    // The travel of the band sliders as the skin gives it.
    std::function<SliderTravel()> travel = [] { return SliderTravel{200, 120}; };
    // The window shows the state again (buttons, captions, then Redraw()).
    std::function<void()> lookChanged;
    // The 3D effect's part of RESET.
    std::function<void()> apply3DState;

    // Start-up: every stored slider position at half the travel, flat from the record.
    void Prepare();
    // The five sliders join the panel's mouse hook.
    void HookSliders(SliderHook& hook);
    // OnImageMouseDown's part: "EQ-EN" and the presets. False for other tags.
    bool ImageMouseDown(int tag);

    void BandMoved(std::size_t band, int top);
    void EQENClick();
    void PresetClick(int preset);
    void ResetClick();
    // The wanted state through the SDK, held off while flat; nothing without an active headset.
    void ApplyOnOff(int wanted);
    // The gains and on/off state the headset keeps become preset S1; the
    // caller redraws the window.
    void ReadFromEeprom();
    // Closing the panel: RESET, then the equalizer off.
    void Close();

    // A sound profile being read: preset n's gains are in the preset buffer;
    // the current preset was loaded again; the switch was read.
    void PresetRead(int preset);
    void PresetSelected();
    void SwitchRead();

    // Sliders, lower bars and value labels from the current record; the labels
    // shown only on the EQ page.
    void Redraw(int page);
    void Redraw();

    bool Flat() const { return m_bFlat; }
    bool EepromThreeDOn() const { return m_bEepromThreeDOn; }
    // Stored slider position of band n in preset p (1..4), from the travel's top.
    int SliderPosition(int preset, std::size_t band) const { return m_iSliderPos[preset - 1][band]; }

private:
    struct Band {
        forms::TImage* m_pKnob = nullptr;
        forms::TImage* m_pBar = nullptr;
        forms::TImage* m_pLowerBar = nullptr;
        forms::TLabel* m_pValue = nullptr;
        forms::TControl* m_pCaption = nullptr;
    };
    struct PresetValues {
        std::array<std::uint16_t, kEqBands> m_wGain{};
        int m_iOn = 0;
    };

    // Whether the window's look follows at once.
    enum class Look { shown, left };
    void ApplyPreset(int preset, Look look);
    void StorePresetValues(int preset, const PresetValues& values);
    std::optional<PresetValues> DefaultPreset(int preset) const;
    void SendBand(std::size_t band);
    void WriteRecord();
    void StorePositions(int preset);
    bool ReadEeprom(std::uint8_t bus, std::uint8_t offset, std::uint8_t& byte, int tries);
    void RedrawBand(const Band& band, std::uint16_t gain, const SliderTravel& travel);
    void ShowLook();

    AudioState& m_state;
    HeadsetState& m_device;
    AudioSdk& m_sdk;
    EqualizerSettings m_settings;
    std::array<Band, kEqBands> m_bands;
    std::array<std::array<int, kEqBands>, kEqPresets> m_iSliderPos{};
    bool m_bFlat = true;
    bool m_bEepromThreeDOn = false;
    int m_iPage = 1;
};
