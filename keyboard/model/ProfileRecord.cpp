#include "keyboard/model/ProfileRecord.h"

#include "keyboard/model/TextLines.h"

void ProfileRecord::ResetProfile(int slot) {
    settings = {{
        {"ProfileName", "Default" + std::to_string(slot + 1)},
        {"LightMode", "1"},
        {"LightBrightness", "4"},
        {"LightSpeed", "1"},
        {"LightArea1Color", "4"},
        {"LightArea2Color", "4"},
        {"LightArea3Color", "4"},
        {"LightArea4Color", "4"},
        {"LightArea5Color", "4"},
    }};
    keyMap = DefaultKeyMap();
    for (int i = 0; i < kGKeys; ++i) {
        auto& key = gKeys[static_cast<std::size_t>(i)];
        key.name = DefaultGKeyName(i);
        key.function = DefaultGKeyFunction(i);
    }
}

std::string ProfileRecord::Setting(int position) const {
    if (position < 0 || position >= kSettings) {
        return {};
    }
    return settings[static_cast<std::size_t>(position)].value;
}

void ProfileRecord::SetSetting(int position, const std::string& value) {
    if (position >= 0 && position < kSettings) {
        settings[static_cast<std::size_t>(position)].value = value;
    }
}

int ProfileRecord::NumericSetting(int position) const {
    return ParseDecimal(Setting(position));
}

void ProfileRecord::SetNumericSetting(int position, int value) {
    if (position >= kLightMode && position <= kLightSpeed) {
        SetSetting(position, std::to_string(value));
    }
}

GKeySlot* ProfileRecord::GKey(int index) {
    return index >= 0 && index < kGKeys ? &gKeys[static_cast<std::size_t>(index)] : nullptr;
}

const GKeySlot* ProfileRecord::GKey(int index) const {
    return index >= 0 && index < kGKeys ? &gKeys[static_cast<std::size_t>(index)] : nullptr;
}

void ProfileRecord::SetGKey(int index, const std::string& name, const KeyFunction& function,
                            const std::string& launchPath) {
    if (GKeySlot* key = GKey(index)) {
        *key = GKeySlot{name, launchPath, function};
    }
}
