#pragma once

#include <string>

// The names of the backlight's mode, brightness and speed values, as the LIGHT
// page lists them. Each gives an empty text for a value outside its range.
inline constexpr int kLightModeCount = 16;
inline constexpr int kLightBrightnessCount = 5;
inline constexpr int kLightSpeedCount = 3;

std::string LightModeName(int mode);
std::string LightBrightnessName(int brightness);
std::string LightSpeedName(int speed);
