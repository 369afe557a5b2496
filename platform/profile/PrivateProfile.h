#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace profile {

// Reads `key` of `section` from the INI file at `path`. The result is the
// stored value (surrounding quotes removed) or `defaultValue` when the file,
// the section or the key is missing or the key name is empty, cut to
// `bufferSize` - 1 characters as a caller's buffer of that size would hold.
std::string readString(const std::string& path, std::string_view section, std::string_view key,
                       std::string_view defaultValue, std::size_t bufferSize);

// Stores `key=value` under `section` of the file at `path`, creating the file
// (UTF-8, CR LF) and the section when missing and keeping every other line.
// The file is replaced atomically. False when the file could not be written
// or a name or the value would break the file's lines (empty key, a line
// break anywhere, "=" in the key).
bool writeString(const std::string& path, std::string_view section, std::string_view key,
                 std::string_view value);

struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

// Stores every entry as writeString does, in order, and replaces the file once,
// so a file of many keys is never left with only some of them new. False, with
// the file untouched, when any entry would break the file's lines or the file
// could not be written.
bool writeStrings(const std::string& path, const std::vector<Entry>& entries);

}  // namespace profile
