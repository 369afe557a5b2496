#include "audio/settings/CIniSection.h"

#include "audio/settings/IniLineText.h"

void CIniSection::Parse(const std::vector<std::string>& rawLines) {
    for (const std::string& raw : rawLines) {
        ParseLine(TrimLineEnds(raw));
    }
}

void CIniSection::ParseLine(std::string_view line) {
    if (line.empty() || line.front() == ';') {
        return;
    }
    if (IsHeaderLine(line)) {
        m_strName = HeaderName(line);
        return;
    }
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        return;
    }
    m_entries.emplace_back(std::string(line.substr(0, equals)), std::string(line.substr(equals + 1)));
}

const std::string* CIniSection::Find(std::string_view key) const {
    for (const auto& [entryKey, value] : m_entries) {
        if (entryKey == key) {
            return &value;
        }
    }
    return nullptr;
}
