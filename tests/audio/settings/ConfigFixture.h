#pragma once

#include <map>
#include <string>

#include "support/TempFolder.h"

// A sane program copy of AudioConfig.cfg that a test changes one key of.
class ConfigFixture {
public:
    ConfigFixture() {
        values_["GPIO"]["MODE"] = "1";
        for (int pin = 0; pin < 10; ++pin) {
            values_["GPIOActive"][std::to_string(pin)] = "1";
        }
        values_["Skin"]["RegionCut"] = "0";
        values_["Simple"]["Enable"] = "0";
    }

    void set(const std::string& section, const std::string& key, const std::string& value) {
        values_[section][key] = value;
    }
    void erase(const std::string& section, const std::string& key) { values_[section].erase(key); }

    // Writes the file into `folder` and returns its path.
    std::string save(const TempFolder& folder) const {
        std::string text;
        for (const auto& [section, entries] : values_) {
            text += "[" + section + "]\r\n";
            for (const auto& [key, value] : entries) {
                text += key + "=" + value + "\r\n";
            }
        }
        folder.write("AudioConfig.cfg", text);
        return folder.file("AudioConfig.cfg");
    }

private:
    std::map<std::string, std::map<std::string, std::string>> values_;
};
