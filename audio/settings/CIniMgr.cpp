#include "audio/settings/CIniMgr.h"

#include <new>

#include "audio/settings/IniLineText.h"
#include "platform/core/FileReader.h"

int CIniMgr::LoadFile(const std::string& path) {
    m_strFilePath = path;
    core::FileContents file = core::readFile(path);
    switch (file.error) {
        case core::ReadError::none:
            return LoadBytes(file.bytes);
        case core::ReadError::missing:
        case core::ReadError::cannotOpen:
            return LoadCannotOpen;
        case core::ReadError::notRegularFile:
            return LoadNoLength;
        case core::ReadError::noMemory:
            return LoadNoMemory;
        case core::ReadError::readFailed:
            break;
    }
    return LoadReadFailed;
}

int CIniMgr::LoadBytes(std::string_view bytes) {
    Clear();
    auto detected = DetectEncoding(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    m_encoding = detected.encoding;
    if (!DecodeLines(detected.encoding, bytes.substr(detected.markLength))) {
        return LoadDecodeFailed;
    }
    return BuildSections() ? LoadOk : LoadNoSectionRecord;
}

bool CIniMgr::DecodeLines(IniEncoding encoding, std::string_view bytes) {
    try {
        std::string text;
        if (!DecodeIniText(encoding, bytes, text)) {
            return false;
        }
        std::string_view rest(text);
        while (!rest.empty()) {
            std::size_t lf = rest.find('\n');
            std::string_view piece = rest.substr(0, lf);
            rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
            if (!piece.empty()) {
                m_lines.emplace_back(TrimSpacesThenCr(piece));
            }
        }
        return true;
    } catch (const std::bad_alloc&) {
        return false;  // a file too large to hold decoded cannot be read
    }
}

bool CIniMgr::BuildSections() {
    try {
        CIniSectionDefine* current = nullptr;
        for (const std::string& line : m_lines) {
            if (line.empty() || line.front() == ';') {
                continue;
            }
            if (IsHeaderLine(line)) {
                std::unique_ptr<CIniSectionDefine> section(new (std::nothrow) CIniSectionDefine);
                if (!section) {
                    return false;
                }
                section->m_strName = HeaderName(line);
                current = section.get();
                m_sections.push_back(std::move(section));
            }
            if (current != nullptr) {
                current->m_rawLines.push_back(line);
            }
        }
        for (auto& section : m_sections) {
            section->m_section.Parse(section->m_rawLines);
        }
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

const CIniSectionDefine* CIniMgr::FindSection(std::string_view section) const {
    for (const auto& define : m_sections) {
        if (define->m_strName == section) {
            return define.get();
        }
    }
    return nullptr;
}

bool CIniMgr::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

void CIniMgr::GetKeyNames(std::string_view section, std::vector<std::string>& names) const {
    const CIniSectionDefine* define = FindSection(section);
    if (define == nullptr) {
        return;
    }
    names.clear();
    for (const auto& entry : define->m_section.Entries()) {
        names.push_back(entry.first);
    }
}

void CIniMgr::GetValues(std::string_view section, std::vector<std::string>& values) const {
    const CIniSectionDefine* define = FindSection(section);
    if (define == nullptr) {
        return;
    }
    values.clear();
    for (const auto& entry : define->m_section.Entries()) {
        values.push_back(entry.second);
    }
}

std::string CIniMgr::GetValue(std::string_view section, std::string_view key) const {
    const CIniSectionDefine* define = FindSection(section);
    if (define == nullptr || key.empty()) {
        return {};
    }
    const std::string* value = define->m_section.Find(key);
    return value != nullptr ? *value : std::string();
}

void CIniMgr::Clear() {
    m_lines.clear();
    m_sections.clear();
}
