#pragma once

#include <string>
#include <vector>

#include "audio/settings/CIniSection.h"

// One section header of a file with the lines that follow it.
struct CIniSectionDefine {
    std::string m_strName;                // between the brackets, as it stands
    CIniSection m_section;                // the parsed entries
    std::vector<std::string> m_rawLines;  // the header line, then every non-empty, non-comment line
};
