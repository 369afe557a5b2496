#include "audio/settings/ProfileStrings.h"

#include "platform/profile/PrivateProfile.h"

int ReadIniString(const std::string& path, const std::string& section, const std::string& key,
                  std::string& destination) {
    destination = profile::readString(path, section, key, "", kIniStringCharacters + 1);
    return 0;
}

int ReadIniString(const profile::ProfileReader& file, std::string_view section, std::string_view key,
                  std::string& destination) {
    destination = file.readString(section, key, "", kIniStringCharacters + 1);
    return 0;
}

int WriteIniString(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
    profile::writeString(path, section, key, value);
    return 0;
}

int WriteIniStrings(const std::string& path, const std::vector<profile::Entry>& entries) {
    profile::writeStrings(path, entries);
    return 0;
}

int ReadConfigString(const std::string& path, const std::string& section, const std::string& key,
                     std::string& destination) {
    std::string value = profile::readString(path, section, key, "", kConfigStringCharacters + 1);
    if (value.empty()) {
        return 1;
    }
    destination = std::move(value);
    return 0;
}
