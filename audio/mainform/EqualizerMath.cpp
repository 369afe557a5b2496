#include "audio/mainform/EqualizerMath.h"

#include <algorithm>
#include <cstdio>

#include "audio/device/EqualizerImage.h"

namespace eqmath {

namespace {

constexpr int kScale = 1024;   // a travel spans 1024 steps of the slider scale
constexpr int kMiddle = 1536;  // the scale at the travel's top

int length(const SliderTravel& travel) {
    return std::max(travel.m_iLength, 0);
}

}  // namespace

int ClampTop(int top, const SliderTravel& travel) {
    return std::clamp(top, travel.m_iTop, travel.m_iTop + length(travel));
}

std::uint16_t GainAt(int top, const SliderTravel& travel) {
    if (length(travel) == 0) {
        return kFlatGain;
    }
    const int v = (ClampTop(top, travel) - travel.m_iTop) * kScale / length(travel);
    const int b = kMiddle - v;
    return static_cast<std::uint16_t>(b > kFlatGain ? 3 * b - 2049 : b);
}

int TopFor(std::uint16_t gain, const SliderTravel& travel) {
    const int d = gain <= kFlatGain ? gain : (gain - 1023) / 3 + kFlatGain;
    const int top = travel.m_iTop + length(travel) - (d - 512) * length(travel) / kScale;
    return ClampTop(top, travel);
}

std::string GainLabel(std::uint16_t gain) {
    char text[8];
    std::snprintf(text, sizeof text, "%x", gain);
    return text;
}

bool IsFlat(const EqualizerRecord& record) {
    return std::all_of(record.m_wEQValue.begin(), record.m_wEQValue.end(),
                       [](std::uint16_t gain) { return gain == kFlatGain; });
}

std::uint16_t GainFromEeprom(std::uint16_t stored) {
    return static_cast<std::uint16_t>((stored + kFlatGain) / 2);
}

std::size_t EepromFlagOffset(std::uint8_t bankSelector) {
    return kEepromImageBytes * EqualizerBankOf(bankSelector) + kEepromFlagByte;
}

// Only the gain bytes were read: the rest of the image stays zero, so the
// unpacking never looks past what came from the headset.
std::array<std::uint16_t, kEqBands> UnpackGains(const std::array<std::uint8_t, 8>& bytes) {
    std::array<std::uint8_t, EqualizerImage::kSize> image{};
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return EqualizerImage::Unpack(image, 0)->m_wGain;
}

}  // namespace eqmath
