#include "audio/settings/SkinLighting.h"

#include <algorithm>

void StoreSkinLighting(const SkinSettings& skin, AudioState& state) {
    state.m_iLEDPageMode = skin.m_iLEDPageMode;
    state.m_iLEDFastRightSide = skin.m_iLEDFastRightSide;
    if (!skin.m_bLEDColoursReset) {
        return;
    }
    std::copy_n(kSkinLEDColours.begin(), std::min(kSkinLEDColours.size(), state.m_iLEDColorRGB.size()),
                state.m_iLEDColorRGB.begin());
    state.m_iLEDSingleColorRGB = kSkinLEDSingleColour;
    state.m_iLEDBreatheColorRGB = kSkinLEDBreatheColour;
}
