#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines of a text file as the settings files are read: ended by LF, a CR
// before the LF is not part of the line, and an empty tail is no line.
std::vector<std::string> SplitLines(std::string_view text);

// A "key=value" line split at its first "="; nullopt when there is no "=" or
// nothing before it.
struct KeyValue {
    std::string key;
    std::string value;
};
std::optional<KeyValue> SplitKeyValue(const std::string& line);

// Joins lines with CR LF after each, as the files are written.
std::string JoinLines(const std::vector<std::string>& lines);

// Leading decimal digits (with an optional sign) as a number; 0 when there are none.
int ParseDecimal(const std::string& text);

// The byte value of the hex digits at text[offset], up to two of them; a
// character that is not a hex digit ends the number (none gives 0).
unsigned ParseHexPair(std::string_view text, std::size_t offset);

// "%.2X" of one byte.
std::string HexByte(unsigned value);
