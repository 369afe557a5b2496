#pragma once

#include <string_view>

// Line rules of the INI reader: only spaces and CRs (and LFs, when a section's
// lines are parsed) are trimmed, tabs are not; a header is "[" ... "]".

// Spaces at both ends first, then CRs: "a \r" keeps its space.
std::string_view TrimSpacesThenCr(std::string_view line);

// As above, followed by LFs.
std::string_view TrimLineEnds(std::string_view line);

bool IsHeaderLine(std::string_view line);
std::string_view HeaderName(std::string_view headerLine);
