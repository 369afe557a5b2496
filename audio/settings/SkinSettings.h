#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/settings/ImageSetting.h"

constexpr std::size_t kImageFileNameCharacters = 63;
constexpr std::size_t kLightingSwatches = 9;  // Color01Shape..Color07Shape, ColorSingleShape, ColorBreatheShape

// Where a slider's knob may go: the top of its highest setting and the travel below it.
struct SliderTravel {
    int m_iTop = 0;
    int m_iLength = 0;
};

// Place, size and outline (0 rectangle .. 5 circle) of one lighting colour swatch.
struct SwatchShape {
    int m_iLeft = 0;
    int m_iTop = 0;
    int m_iWidth = 0;
    int m_iHeight = 0;
    int m_iOutline = 0;
};

// Everything one skin's SkinSetting.ini says: a picture record per picture
// key (in SkinKeys() order; other keys keep an empty one) and the geometry keys.
class SkinSettings {
public:
    SkinSettings();

    // Clears every record and reads the skin. `path` is its SkinSetting.ini;
    // `lightingPath` the one the lighting modes come from (the skin's folder
    // without the resolution folder), which also gives each swatch that `path`
    // does not place. A missing file reads as all-empty. A malformed strict
    // integer throws EConvertError, keeping what came before.
    void Load(const std::string& path, const std::string& lightingPath, int oldVersion);

    // The record of section/key; an empty one for a key that holds no picture.
    const ImageSetting& Image(std::string_view section, std::string_view key) const;
    const std::vector<ImageSetting>& Images() const { return m_images; }

    SliderTravel m_eqSlider{200, 120};
    SliderTravel m_micSlider{208, 120};
    int m_iMicProgressLength = 203;
    int m_iVirtualCenterX = 560;
    int m_iVirtualCenterY = 251;
    int m_iVirtualRadius = 110;
    int m_iPreviousVirtualRadius = 110;  // the radius before this skin, for moving the speakers
    std::optional<SliderTravel> m_encSlider;  // unset: the slider keeps its travel
    int m_iBevelLine = 0;
    int m_iBevelLine2 = 0;
    int m_iBevelLine3 = 1;
    int m_iLEDPageMode = 0;
    int m_iLEDFastRightSide = 0;
    std::array<std::optional<SwatchShape>, kLightingSwatches> m_swatches;  // unset: the swatch stays put
    bool m_bLEDColoursReset = false;  // the load got past the lighting modes

private:
    void readKey(std::size_t index, const std::string& value, int oldVersion);

    std::vector<ImageSetting> m_images;
};

// Fills a picture record from a value: file name, left, top, width, height,
// page. The page starts as `keyPage`; item 6 replaces it.
ImageSetting ParseImage(std::string_view value, int keyPage, int oldVersion);

// The swatches as loading reads them: one per swatch key, unset where neither
// file gives a value.
std::array<std::optional<SwatchShape>, kLightingSwatches> ReadSwatchShapes(const std::string& path,
                                                                          const std::string& lightingPath);

// The lighting colours a skin starts with (0x00BBGGRR): colours 1 to 7, then
// the single colour and the breathing colour.
constexpr std::array<int, 7> kSkinLEDColours = {0x0000FF, 0x00FFFF, 0x008000, 0xFF0000,
                                                 0xFF00FF, 0x800080, 0x00FF00};
constexpr int kSkinLEDSingleColour = 0x0000FF;
constexpr int kSkinLEDBreatheColour = 0x0000FF;
