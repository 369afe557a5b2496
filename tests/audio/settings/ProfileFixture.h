#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/TempFolder.h"

// A complete sound profile, as the panel writes one, that a test changes a key of.
class ProfileFixture {
public:
    ProfileFixture() {
        for (const char* preset : {"S1", "S2", "S3", "S4"}) {
            set("EQ", preset, "0x400,0x400,0x400,0x400,0x400,0");
        }
        set("EQ", "EQEN", "0");
        set("EQ", "EQFromEEPROM", "0");
        set("3D", "3DEN", "0");
        set("Effect", "CurrentEffect", "1");
        set("Virtual7ch1", "7ch1EN", "0");
        for (const char* speaker : {"L", "R", "C", "SUB", "LS", "RS", "LB", "RB"}) {
            set("Virtual7ch1", speaker, "100,200");
        }
    }

    void set(const std::string& section, const std::string& key, const std::string& value) {
        for (auto& entry : entries_) {
            if (entry.section == section && entry.key == key) {
                entry.value = value;
                return;
            }
        }
        entries_.push_back({section, key, value});
    }
    void erase(const std::string& section, const std::string& key) {
        std::erase_if(entries_, [&](const Entry& e) { return e.section == section && e.key == key; });
    }

    // Sections in the order they first appear, each with all its keys.
    std::string text() const {
        std::vector<std::string> sections;
        for (const auto& entry : entries_) {
            if (std::find(sections.begin(), sections.end(), entry.section) == sections.end()) {
                sections.push_back(entry.section);
            }
        }
        std::string out;
        for (const auto& section : sections) {
            out += "[" + section + "]\r\n";
            for (const auto& entry : entries_) {
                if (entry.section == section) {
                    out += entry.key + "=" + entry.value + "\r\n";
                }
            }
        }
        return out;
    }
    std::string save(const TempFolder& folder, const std::string& name = "profile.ini") const {
        folder.write(name, text());
        return folder.file(name);
    }

private:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    std::vector<Entry> entries_;
};
