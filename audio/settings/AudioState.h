#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "audio/settings/EqualizerRecord.h"

constexpr int kEqPresets = 4;
constexpr std::size_t kPresetBufferBytes = 2048;
constexpr std::size_t kSpeakers = 8;
constexpr std::size_t kLedPaletteColors = 7;

// The eight virtual speakers, in the order the panel keeps them.
enum Speaker : std::size_t {
    SpeakerL,
    SpeakerR,
    SpeakerC,
    SpeakerSUB,
    SpeakerLS,
    SpeakerRS,
    SpeakerLB,
    SpeakerRB
};

// Left and top, in pixels, of a speaker image on the virtual 7.1 page.
struct SpeakerPosition {
    int m_iLeft = 0;
    int m_iTop = 0;

    bool operator==(const SpeakerPosition&) const = default;
};

// Every sound and lighting setting the user can change, owned by the main form.
// The values below are the ones before any skin or profile is read.
struct AudioState {
    // Equalizer
    int m_iCurrentPreset = 1;    // 1..4
    EqualizerRecord m_eqRecord;  // the current record; its gains are m_wEQValue
    std::array<std::uint8_t, kPresetBufferBytes> m_byPresetBuffer = InitialPresetBuffer();
    int m_iEQEN = 0;
    int m_iEQFromEEPROM = 0;

    // 3D effect (the panel's built-in defaults)
    std::uint8_t m_byLeftAlpha = 10;
    std::uint8_t m_byLeftBeta = 3;
    std::uint8_t m_byRightAlpha = 10;
    std::uint8_t m_byRightBeta = 3;
    int m_iFBM = 1;
    int m_i3DEN = 0;
    int m_i3DFromEEPROM = 0;

    // Room effect: 1 Nothing, 2 Theater, 3 Bathroom, 4 Living room, 5 StoneGallery.
    int m_iCurrentEffect = 1;

    // Virtual 7.1; the main form places the speakers at their designed positions.
    int m_i7ch1EN = 0;
    std::array<SpeakerPosition, kSpeakers> m_speakerPositions{};

    // Lighting
    int m_iLEDON = 1;
    int m_iLEDPageMode = 0;
    int m_iLEDOff = 0;
    int m_iLEDSingleColor = 0;
    int m_iLEDEffectMode = 0;  // 0 none, 1 breathe, 2 rainbow, 3 multi-breathe
    int m_iLEDBreatheSpeed = 1;
    int m_iLEDRainbowSpeed = 1;
    int m_iLEDMultiBreatheSpeed = 1;
    int m_iLEDBreatheSliderPos = 0;
    int m_iLEDRainbowSliderPos = 0;
    int m_iLEDMultiBreatheSliderPos = 0;
    int m_iLEDSingleColorRGB = 0;  // colours are 0x00BBGGRR
    int m_iLEDBreatheColorRGB = 0;
    std::array<int, kLedPaletteColors> m_iLEDColorRGB{};
    int m_iLEDFastRightSide = 0;
    int m_iRGBMode = 1;  // last mode sent: 1 off, 2 single colour, 4 breathe, 5 rainbow, 6 multi-breathe
    bool m_bInitMultiColorLED = true;

    // Noise cancellation and voice effect
    int m_iENCEN = 0;
    int m_iENCValue = 0;
    int m_iVoiceMagicEN = 0;
    int m_iVoiceMagicMode = 0;

    // Switches of the default profile, used by the resets.
    int m_iDefaultEQEN = 0;
    int m_iDefault3DEN = 0;
    int m_iDefault7ch1EN = 0;
    int m_iDefaultENCEN = 0;

    std::string m_strProfilePath;
    // While set, preset changes are not sent to the headset.
    bool m_bSavingProfile = false;

    // Preset n (1..4) lies in the preset buffer as an equalizer image.
    static std::size_t PresetOffset(int preset) { return 240 + 16 * static_cast<std::size_t>(preset); }
    EqualizerRecord Preset(int preset) const;
    void StorePreset(int preset, const EqualizerRecord& record);
    // Unpacks preset n into the current record.
    void LoadPreset(int preset);

private:
    static std::array<std::uint8_t, kPresetBufferBytes> InitialPresetBuffer();
};
