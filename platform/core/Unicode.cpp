#include "platform/core/Unicode.h"

#include <cstdint>

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

namespace {

unsigned char byteAt(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

// Sequence length announced by a UTF-8 lead byte, with the lead's payload
// bits; 0 for a byte that cannot start a sequence.
std::size_t leadLength(unsigned char lead, char32_t& payload) {
    static constexpr struct {
        unsigned char mask, pattern;
        std::size_t length;
    } kLeads[] = {{0x80, 0x00, 1}, {0xE0, 0xC0, 2}, {0xF0, 0xE0, 3},
                  {0xF8, 0xF0, 4}, {0xFC, 0xF8, 5}, {0xFE, 0xFC, 6}};
    for (const auto& lead_kind : kLeads) {
        if ((lead & lead_kind.mask) == lead_kind.pattern) {
            payload = lead & static_cast<unsigned char>(~lead_kind.mask);
            return lead_kind.length;
        }
    }
    return 0;
}

// Overlong forms pass; a code point beyond the 16-bit range does not.
bool decodeUtf8Units(std::string_view bytes, std::u16string& units) {
    units.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        char32_t value = 0;
        std::size_t length = leadLength(byteAt(bytes, at), value);
        if (length == 0 || bytes.size() - at < length) {
            return false;
        }
        for (std::size_t i = 1; i < length; ++i) {
            unsigned char next = byteAt(bytes, at + i);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            value = (value << 6) | (next & 0x3F);
        }
        if (value > 0xFFFF) {
            return false;
        }
        units += static_cast<char16_t>(value);
        at += length;
    }
    return true;
}

// An odd last byte of a UTF-16 file is no whole unit and is left out.
void decodeUtf16Units(std::string_view bytes, bool bigEndian, std::u16string& units) {
    units.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        unsigned first = byteAt(bytes, at), second = byteAt(bytes, at + 1);
        units += static_cast<char16_t>(bigEndian ? (first << 8) | second : first | (second << 8));
    }
}

bool decodeUtf32Units(std::string_view bytes, bool bigEndian, std::u16string& units) {
    if (bytes.size() % 4 != 0) {
        return false;
    }
    units.reserve(bytes.size() / 4);
    for (std::size_t at = 0; at < bytes.size(); at += 4) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            std::size_t index = bigEndian ? i : 3 - i;
            value = (value << 8) | byteAt(bytes, at + index);
        }
        if (value > 0xFFFF) {
            return false;
        }
        units += static_cast<char16_t>(value);
    }
    return true;
}

}  // namespace

ByteOrderMark detectByteOrderMark(std::string_view bytes) {
    static constexpr struct {
        std::string_view mark;
        TextEncoding encoding;
    } kMarks[] = {
        {std::string_view("\xFF\xFE\x00\x00", 4), TextEncoding::utf32le},
        {std::string_view("\x00\x00\xFE\xFF", 4), TextEncoding::utf32be},
        {"\xEF\xBB\xBF", TextEncoding::utf8},
        {"\xFF\xFE", TextEncoding::utf16le},
        {"\xFE\xFF", TextEncoding::utf16be},
    };
    for (const auto& known : kMarks) {
        if (bytes.starts_with(known.mark)) {
            return {known.encoding, known.mark.size()};
        }
    }
    return {TextEncoding::unmarked, 0};
}

bool decodeToUtf8(TextEncoding encoding, std::string_view bytes, std::string& text) {
    std::u16string units;
    bool ok = true;
    switch (encoding) {
        case TextEncoding::unmarked:
            text.assign(bytes);
            return true;
        case TextEncoding::utf8:
            ok = decodeUtf8Units(bytes, units);
            break;
        case TextEncoding::utf16le:
        case TextEncoding::utf16be:
            decodeUtf16Units(bytes, encoding == TextEncoding::utf16be, units);
            break;
        case TextEncoding::utf32le:
        case TextEncoding::utf32be:
            ok = decodeUtf32Units(bytes, encoding == TextEncoding::utf32be, units);
            break;
    }
    if (ok) {
        text = utf16ToUtf8(units);
    }
    return ok;
}

}  // namespace core
