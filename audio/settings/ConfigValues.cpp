#include "audio/settings/ConfigValues.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "audio/settings/EConvertError.h"
#include "platform/core/Unicode.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexDigit(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    return text;
}

bool takeSign(std::string_view& text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        bool negative = text.front() == '-';
        text.remove_prefix(1);
        return negative;
    }
    return false;
}

bool takeHexPrefix(std::string_view& text) {
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        return true;
    }
    if (text.starts_with("$")) {
        text.remove_prefix(1);
        return true;
    }
    return false;
}

// Hexadecimal is a bit pattern: $FFFFFFFF is -1, as colours are written.
std::optional<std::int64_t> parseHex(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        int digit = hexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int64_t> parseDecimal(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (char c : digits) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return std::nullopt;
        }
    }
    return value;
}

}  // namespace

int LenientInteger(std::string_view text) {
    text = skipBlanks(text);
    bool negative = takeSign(text);
    std::int64_t value = 0;
    for (std::size_t i = 0; i < text.size() && isDigit(text[i]); ++i) {
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), std::int64_t{1} << 32);
    }
    value = negative ? -value : value;
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int StrictInteger(std::string_view text) {
    std::string_view rest = skipBlanks(text);
    bool negative = takeSign(rest);
    std::optional<std::int64_t> value = takeHexPrefix(rest) ? parseHex(rest) : parseDecimal(rest);
    if (value) {
        std::int64_t signedValue = negative ? -*value : *value;
        if (signedValue >= std::numeric_limits<int>::min() &&
            signedValue <= std::numeric_limits<int>::max()) {
            return static_cast<int>(signedValue);
        }
    }
    throw EConvertError(text);
}

std::vector<std::string> SplitAllListItems(std::string_view value) {
    std::vector<std::string> items;
    if (value.empty()) {
        return items;
    }
    std::string item;
    bool quoted = false;
    for (std::size_t i = 0; i <= value.size(); ++i) {
        bool atEnd = i == value.size();
        char c = atEnd ? ',' : value[i];
        if (quoted && !atEnd) {
            if (c == '"' && i + 1 < value.size() && value[i + 1] == '"') {
                item += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                item += c;
            }
        } else if (c == '"' && item.empty()) {
            quoted = true;
        } else if (c == ',') {
            items.push_back(std::move(item));
            item.clear();
        } else {
            item += c;
        }
    }
    return items;
}

std::vector<std::string> SplitListItems(std::string_view value) {
    std::vector<std::string> items = SplitAllListItems(value);
    if (items.size() > kListItemLimit) {
        items.resize(kListItemLimit);
    }
    for (std::string& item : items) {
        item = std::string(core::cutToCharacters(item, kListItemCharacters));
    }
    return items;
}

std::array<int, kListItemLimit> IntegerList(std::string_view value) {
    std::array<int, kListItemLimit> pins{};
    std::vector<std::string> items = SplitListItems(value);
    for (std::size_t pin = 0; pin < items.size(); ++pin) {
        pins[pin] = StrictInteger(items[pin]);
    }
    return pins;
}
