#include "audio/settings/IniLineText.h"

namespace {

std::string_view trimChar(std::string_view text, char c) {
    while (!text.empty() && text.front() == c) {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == c) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::string_view TrimSpacesThenCr(std::string_view line) {
    return trimChar(trimChar(line, ' '), '\r');
}

std::string_view TrimLineEnds(std::string_view line) {
    return trimChar(TrimSpacesThenCr(line), '\n');
}

bool IsHeaderLine(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

std::string_view HeaderName(std::string_view headerLine) {
    return headerLine.substr(1, headerLine.size() - 2);
}
