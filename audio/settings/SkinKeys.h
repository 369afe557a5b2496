#pragma once

#include <span>
#include <string_view>

#include "audio/settings/PanelPage.h"

// What a key of SkinSetting.ini holds.
enum class SkinKeyKind {
    Picture,            // an ImageSetting
    EQSlider,           // top and travel of the equalizer sliders
    MicSlider,          // top and travel of the microphone slider
    MicProgressLength,  // length of the microphone level bar
    VirtualCenter,      // centre and radius of the surround circle
    ENCSlider,          // top and travel of the noise-cancellation slider
    Ignored,            // read, no effect
    BevelLine,          // shows the first tab separators
    BevelLine2,         // shows the later tab separators
    BevelLine3,         // with BevelLine2 1: whether the last two separators show
    LEDPageMode,        // lighting page layout
    LEDFastRightSide,   // lighting page speed side
    Shape,              // a lighting swatch: place, size and outline
};

// One key: its section, the page that section gives its pictures (the lower
// equalizer and microphone bars take page 0), and its kind.
struct SkinKey {
    std::string_view m_strSection;
    std::string_view m_strKey;
    int m_iPage;
    SkinKeyKind m_kind;
};

// The 235 keys in reading order. LogoImage appears twice: the main window's
// in Main and the about form's in About.
std::span<const SkinKey> SkinKeys();

// Position of section/key in SkinKeys(), or -1.
int SkinKeyIndex(std::string_view section, std::string_view key);

// The lighting keys are read from the skin's folder without the resolution folder.
bool IsLightingSkinKey(const SkinKey& key);
