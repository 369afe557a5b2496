#include "platform/core/Unicode.h"

namespace core {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Decodes one well-formed sequence at `position`; `length` 0 means malformed.
char32_t decodeUtf8(std::string_view text, std::size_t position, std::size_t& length) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[position + i]); };
    unsigned char lead = byte(0);
    length = 0;
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    std::size_t needed = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        needed = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        needed = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        needed = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return kReplacement;
    }
    if (text.size() - position < needed) {
        return kReplacement;
    }
    for (std::size_t i = 1; i < needed; ++i) {
        if (!isContinuation(byte(i))) {
            return kReplacement;
        }
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return kReplacement;
    }
    length = needed;
    return value;
}

}  // namespace

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        codePoint = kReplacement;
    }
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            char32_t low = text[++i];
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t length = 0;
        char32_t value = decodeUtf8(text, position, length);
        position += length == 0 ? 1 : length;
        if (value >= 0x10000) {
            value -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (value >> 10));
            out += static_cast<char16_t>(0xDC00 + (value & 0x3FF));
        } else {
            out += static_cast<char16_t>(value);
        }
    }
    return out;
}

std::size_t utf8CharacterLength(std::string_view text, std::size_t position) {
    std::size_t length = 0;
    decodeUtf8(text, position, length);
    return length == 0 ? 1 : length;
}

std::string_view cutToCharacters(std::string_view text, std::size_t maxCharacters) {
    std::size_t position = 0;
    for (std::size_t count = 0; count < maxCharacters && position < text.size(); ++count) {
        position += utf8CharacterLength(text, position);
    }
    return text.substr(0, position);
}

}  // namespace core
