#include "keyboard/model/LightingNames.h"

#include <array>

namespace {

constexpr std::array<const char*, kLightModeCount> kModeNames = {
    "Light Off",   "RGB Full",     "RGB Breath", "Flow Right",  "Flow Left", "Red Full",
    "Orange Full", "Yellow Full",  "Green Full", "Cyan Full",   "Blue Full", "Purple Full",
    "White Full",  "Cycle Breath", "Neon",       "User Define",
};
constexpr std::array<const char*, kLightBrightnessCount> kBrightnessNames = {"0%", "25%", "50%", "75%",
                                                                             "100%"};
constexpr std::array<const char*, kLightSpeedCount> kSpeedNames = {"Slow", "Normal", "Fast"};

template <std::size_t N>
std::string NameAt(const std::array<const char*, N>& names, int value) {
    if (value < 0 || static_cast<std::size_t>(value) >= N) {
        return {};
    }
    return names[static_cast<std::size_t>(value)];
}

}  // namespace

std::string LightModeName(int mode) {
    return NameAt(kModeNames, mode);
}
std::string LightBrightnessName(int brightness) {
    return NameAt(kBrightnessNames, brightness);
}
std::string LightSpeedName(int speed) {
    return NameAt(kSpeedNames, speed);
}
