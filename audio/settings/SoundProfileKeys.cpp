#include "audio/settings/SoundProfileKeys.h"

std::vector<std::pair<std::string, int*>> LedFields(AudioState& state) {
    std::vector<std::pair<std::string, int*>> fields{
        {"LEDON", &state.m_iLEDON},
        {"LEDPageMode", &state.m_iLEDPageMode},
        {"LEDOff", &state.m_iLEDOff},
        {"LEDSingleColor", &state.m_iLEDSingleColor},
        {"LEDEffectMode", &state.m_iLEDEffectMode},
        {"LEDBreatheSpeed", &state.m_iLEDBreatheSpeed},
        {"LEDRainbowSpeed", &state.m_iLEDRainbowSpeed},
        {"LEDMultiBreatheSpeed", &state.m_iLEDMultiBreatheSpeed},
        {"LEDBreatheSliderPos", &state.m_iLEDBreatheSliderPos},
        {"LEDRainbowSliderPos", &state.m_iLEDRainbowSliderPos},
        {"LEDMultiBreatheSliderPos", &state.m_iLEDMultiBreatheSliderPos},
        {"LEDSingleColorRGB", &state.m_iLEDSingleColorRGB},
        {"LEDBreatheColorRGB", &state.m_iLEDBreatheColorRGB},
    };
    for (std::size_t i = 0; i < kLedPaletteColors; ++i) {
        fields.emplace_back("LEDColor" + std::to_string(i + 1) + "RGB", &state.m_iLEDColorRGB[i]);
    }
    fields.emplace_back("LEDFastRightSide", &state.m_iLEDFastRightSide);
    return fields;
}
