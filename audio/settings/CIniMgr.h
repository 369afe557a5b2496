#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "audio/settings/CIniSectionDefine.h"
#include "audio/settings/IniEncoding.h"

// A read-only INI reader: loads a whole file in any Unicode encoding (known by
// its byte-order mark) and answers section and key queries. Names compare
// exactly: letter case counts, nothing is trimmed, the first match wins.
class CIniMgr {
public:
    // Results of LoadFile, one per step in the order the steps are taken.
    enum LoadResult : int {
        LoadOk = 0,
        LoadCannotOpen = 1,
        LoadNoLength = 2,
        LoadNoMemory = 3,
        LoadReadFailed = 4,
        LoadDecodeFailed = 5,
        LoadNoSectionRecord = 6,
    };

    CIniMgr() = default;
    CIniMgr(const CIniMgr&) = delete;
    CIniMgr& operator=(const CIniMgr&) = delete;
    ~CIniMgr() { Clear(); }

    // Reads the file and replaces the content with it; when the file cannot be
    // read (results 1 to 4) the previous content stays.
    int LoadFile(const std::string& path);

    // Replaces the content with the given file bytes (results 0, 5, 6).
    int LoadBytes(std::string_view bytes);

    bool HasSection(std::string_view section) const;

    // Every key of the first section of that name; `names` untouched when there is none.
    void GetKeyNames(std::string_view section, std::vector<std::string>& names) const;

    // Every value of the first section of that name, in file order, each entry
    // its own (a repeated key gives each of its values); untouched when there is none.
    void GetValues(std::string_view section, std::vector<std::string>& values) const;

    // "" when the section or key is missing or `key` is empty.
    std::string GetValue(std::string_view section, std::string_view key) const;

    void Clear();

    IniEncoding Encoding() const { return m_encoding; }
    const std::string& FilePath() const { return m_strFilePath; }
    const std::vector<std::string>& Lines() const { return m_lines; }

private:
    bool DecodeLines(IniEncoding encoding, std::string_view bytes);
    bool BuildSections();
    const CIniSectionDefine* FindSection(std::string_view section) const;

    IniEncoding m_encoding = IniEncoding::Ansi;
    std::string m_strFilePath;
    std::vector<std::string> m_lines;
    std::vector<std::unique_ptr<CIniSectionDefine>> m_sections;
};
