#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The entries of one INI section, in file order, duplicates kept. Keys and
// values are taken exactly as they stand around the first "=".
class CIniSection {
public:
    void Parse(const std::vector<std::string>& rawLines);

    const std::string& Name() const { return m_strName; }
    const std::vector<std::pair<std::string, std::string>>& Entries() const { return m_entries; }

    // The value of the first entry whose key is exactly `key`; nullptr when none.
    const std::string* Find(std::string_view key) const;

private:
    void ParseLine(std::string_view line);

    std::string m_strName;
    std::vector<std::pair<std::string, std::string>> m_entries;
};
