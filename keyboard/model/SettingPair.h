#pragma once

#include <string>

// One "key=value" line of the keyboard's settings files.
struct SettingPair {
    std::string key;
    std::string value;
    friend bool operator==(const SettingPair&, const SettingPair&) = default;
};
