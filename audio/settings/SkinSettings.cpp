#include "audio/settings/SkinSettings.h"

#include "audio/settings/ConfigValues.h"
#include "audio/settings/ProfileStrings.h"
#include "audio/settings/SkinKeys.h"
#include "platform/core/Unicode.h"

namespace {

std::string readValue(const profile::ProfileReader& file, const SkinKey& key) {
    std::string value;
    ReadIniString(file, key.m_strSection, key.m_strKey, value);
    return value;
}

// A swatch is placed in window pixels, which differ from one resolution's
// skin to the next: the skin's own description gives it first, the lighting
// description (shared by every resolution) when the skin's gives none.
std::string readSwatchValue(const profile::ProfileReader& file, const profile::ProfileReader& lighting,
                            const SkinKey& key) {
    std::string value = readValue(file, key);
    return value.empty() ? readValue(lighting, key) : value;
}

void takeLenient(const std::vector<std::string>& items, std::size_t index, int& field, bool& given) {
    if (index < items.size() && !items[index].empty()) {
        field = LenientInteger(items[index]);
        given = true;
    }
}

// The n-th of a fixed number of strict integers; a missing one is as malformed as a bad one.
int strictItem(const std::vector<std::string>& items, std::size_t index) {
    return StrictInteger(index < items.size() ? std::string_view(items[index]) : std::string_view());
}

SliderTravel readTravel(const std::string& value, SliderTravel whenEmpty) {
    if (value.empty()) {
        return whenEmpty;
    }
    std::vector<std::string> items = SplitListItems(value);
    return {strictItem(items, 0), strictItem(items, 1)};
}

int readStrict(const std::string& value, int whenEmpty) {
    return value.empty() ? whenEmpty : StrictInteger(value);
}

std::optional<SwatchShape> readSwatch(const std::string& value) {
    if (value.empty()) {
        return std::nullopt;
    }
    std::vector<std::string> items = SplitListItems(value);
    return SwatchShape{strictItem(items, 0), strictItem(items, 1), strictItem(items, 2), strictItem(items, 3),
                       strictItem(items, 4)};
}

}  // namespace

ImageSetting ParseImage(std::string_view value, int keyPage, int oldVersion) {
    ImageSetting image;
    image.m_iPage = keyPage;
    std::vector<std::string> items = SplitListItems(value);
    if (items.empty()) {
        return image;
    }
    image.m_strFileName = core::cutToCharacters(items[0], kImageFileNameCharacters);
    takeLenient(items, 1, image.m_iLeft, image.m_bLeft);
    takeLenient(items, 2, image.m_iTop, image.m_bTop);
    takeLenient(items, 3, image.m_iWidth, image.m_bWidth);
    takeLenient(items, 4, image.m_iHeight, image.m_bHeight);
    bool pageGiven = false;
    takeLenient(items, 5, image.m_iPage, pageGiven);
    // The old scheme moves what the key's own page places, whatever item 6 says.
    if (oldVersion != 0 && keyPage != PageAlways) {
        if (image.m_bLeft) {
            image.m_iLeft += kOldVersionLeftOffset;
        }
        if (image.m_bTop) {
            image.m_iTop += kOldVersionTopOffset;
        }
    }
    return image;
}

SkinSettings::SkinSettings() : m_images(SkinKeys().size()) {}

void SkinSettings::Load(const std::string& path, const std::string& lightingPath, int oldVersion) {
    int previousRadius = m_iVirtualRadius;
    *this = SkinSettings();
    m_iPreviousVirtualRadius = previousRadius;
    const profile::ProfileReader file(path);
    const profile::ProfileReader lighting(lightingPath);
    std::span<const SkinKey> keys = SkinKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::string value;
        if (keys[i].m_kind == SkinKeyKind::Shape) {
            value = readSwatchValue(file, lighting, keys[i]);
        } else {
            value = readValue(IsLightingSkinKey(keys[i]) ? lighting : file, keys[i]);
        }
        readKey(i, value, oldVersion);
    }
}

void SkinSettings::readKey(std::size_t index, const std::string& value, int oldVersion) {
    const SkinKey& key = SkinKeys()[index];
    int oldTop = oldVersion != 0 ? kOldVersionTopOffset : 0;
    switch (key.m_kind) {
        case SkinKeyKind::Picture:
            m_images[index] = ParseImage(value, key.m_iPage, oldVersion);
            break;
        case SkinKeyKind::EQSlider:
            m_eqSlider = readTravel(value, m_eqSlider);
            m_eqSlider.m_iTop += oldTop;
            break;
        case SkinKeyKind::MicSlider:
            m_micSlider = readTravel(value, m_micSlider);
            m_micSlider.m_iTop += oldTop;
            break;
        case SkinKeyKind::MicProgressLength:
            m_iMicProgressLength = readStrict(value, m_iMicProgressLength);
            break;
        case SkinKeyKind::VirtualCenter:
            if (!value.empty()) {
                std::vector<std::string> items = SplitListItems(value);
                m_iVirtualCenterX = strictItem(items, 0) + (oldVersion != 0 ? kOldVersionLeftOffset : 0);
                m_iVirtualCenterY = strictItem(items, 1) + oldTop;
                m_iVirtualRadius = strictItem(items, 2);
            }
            break;
        case SkinKeyKind::ENCSlider:
            if (!value.empty()) {
                m_encSlider = readTravel(value, {});
            }
            break;
        case SkinKeyKind::Ignored:
            break;
        case SkinKeyKind::BevelLine:
            m_iBevelLine = readStrict(value, 0);
            break;
        case SkinKeyKind::BevelLine2:
            m_iBevelLine2 = readStrict(value, 0);
            break;
        case SkinKeyKind::BevelLine3:
            m_iBevelLine3 = readStrict(value, 1);
            break;
        case SkinKeyKind::LEDPageMode:
            m_iLEDPageMode = readStrict(value, 0);
            break;
        case SkinKeyKind::LEDFastRightSide:
            m_iLEDFastRightSide = readStrict(value, 0);
            m_bLEDColoursReset = true;
            break;
        case SkinKeyKind::Shape:
            m_swatches[static_cast<std::size_t>(
                index - static_cast<std::size_t>(SkinKeyIndex("LED", "Color01Shape")))] = readSwatch(value);
            break;
    }
}

const ImageSetting& SkinSettings::Image(std::string_view section, std::string_view key) const {
    static const ImageSetting kNone;
    int index = SkinKeyIndex(section, key);
    return index < 0 ? kNone : m_images[static_cast<std::size_t>(index)];
}

std::array<std::optional<SwatchShape>, kLightingSwatches> ReadSwatchShapes(const std::string& path,
                                                                           const std::string& lightingPath) {
    std::array<std::optional<SwatchShape>, kLightingSwatches> swatches;
    const profile::ProfileReader file(path);
    const profile::ProfileReader lighting(lightingPath);
    std::size_t first = static_cast<std::size_t>(SkinKeyIndex("LED", "Color01Shape"));
    for (std::size_t i = 0; i < kLightingSwatches; ++i) {
        swatches[i] = readSwatch(readSwatchValue(file, lighting, SkinKeys()[first + i]));
    }
    return swatches;
}
