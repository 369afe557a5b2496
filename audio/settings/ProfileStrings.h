#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/profile/PrivateProfile.h"
#include "platform/profile/ProfileReader.h"

// The panel's helpers over the private-profile functions. A missing file,
// section or key reads as ""; each caller supplies its own default.

constexpr std::size_t kIniStringCharacters = 255;
constexpr std::size_t kConfigStringCharacters = 2047;

// Always 0; `destination` receives the value (at most 255 characters) or "".
int ReadIniString(const std::string& path, const std::string& section, const std::string& key,
                  std::string& destination);

// The same from a file read once, for descriptions of many keys.
int ReadIniString(const profile::ProfileReader& file, std::string_view section, std::string_view key,
                  std::string& destination);

// Always 0; the file and the section are created when missing. A failed
// write goes unnoticed, as the callers expect.
int WriteIniString(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value);

// Always 0; every entry is stored as WriteIniString would, and the file is
// replaced once, so a crash never leaves it with only some of them new.
int WriteIniStrings(const std::string& path, const std::vector<profile::Entry>& entries);

// 0 and `destination` replaced when a non-empty value (at most 2047
// characters) was found; 1 and `destination` untouched otherwise.
int ReadConfigString(const std::string& path, const std::string& section, const std::string& key,
                     std::string& destination);
