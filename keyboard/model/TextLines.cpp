#include "keyboard/model/TextLines.h"

#include <cctype>
#include <climits>

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::size_t stop = end == std::string_view::npos ? text.size() : end;
        std::string_view line = text.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

std::optional<KeyValue> SplitKeyValue(const std::string& line) {
    std::size_t p = line.find('=');
    if (p == std::string::npos || p == 0) {
        return std::nullopt;
    }
    return KeyValue{line.substr(0, p), line.substr(p + 1)};
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

int ParseDecimal(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = INT_MAX;  // saturate rather than overflow
        }
    }
    return static_cast<int>(negative ? -value : value);
}

unsigned ParseHexPair(std::string_view text, std::size_t offset) {
    unsigned value = 0;
    for (std::size_t i = offset; i < offset + 2 && i < text.size(); ++i) {
        char c = text[i];
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            break;
        }
        value =
            value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c))
                                                   ? c - '0'
                                                   : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10);
    }
    return value;
}

std::string HexByte(unsigned value) {
    static const char digits[] = "0123456789ABCDEF";
    return {digits[(value >> 4) & 0xF], digits[value & 0xF]};
}
