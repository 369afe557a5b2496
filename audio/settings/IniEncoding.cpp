#include "audio/settings/IniEncoding.h"

#include <cstring>

#include "platform/core/Unicode.h"

namespace {

bool startsWith(const unsigned char* bytes, std::size_t length, const char* mark, std::size_t markLength) {
    return length >= markLength && std::memcmp(bytes, mark, markLength) == 0;
}

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
bool decodeUtf8(std::string_view bytes, std::u16string& units) {
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
void decodeUtf16(std::string_view bytes, bool bigEndian, std::u16string& units) {
    units.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        unsigned first = byteAt(bytes, at), second = byteAt(bytes, at + 1);
        units += static_cast<char16_t>(bigEndian ? (first << 8) | second : first | (second << 8));
    }
}

bool decodeUtf32(std::string_view bytes, bool bigEndian, std::u16string& units) {
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

DetectedEncoding DetectEncoding(const unsigned char* bytes, std::size_t length) {
    if (startsWith(bytes, length, "\xFF\xFE\x00\x00", 4)) {
        return {IniEncoding::Utf32Le, 4};
    }
    if (startsWith(bytes, length, "\x00\x00\xFE\xFF", 4)) {
        return {IniEncoding::Utf32Be, 4};
    }
    if (startsWith(bytes, length, "\xEF\xBB\xBF", 3)) {
        return {IniEncoding::Utf8, 3};
    }
    if (startsWith(bytes, length, "\xFF\xFE", 2)) {
        return {IniEncoding::Utf16Le, 2};
    }
    if (startsWith(bytes, length, "\xFE\xFF", 2)) {
        return {IniEncoding::Utf16Be, 2};
    }
    return {IniEncoding::Ansi, 0};
}

bool DecodeIniText(IniEncoding encoding, std::string_view bytes, std::string& text) {
    std::u16string units;
    bool ok = true;
    switch (encoding) {
        case IniEncoding::Ansi:
            text.assign(bytes);
            return true;
        case IniEncoding::Utf8:
            ok = decodeUtf8(bytes, units);
            break;
        case IniEncoding::Utf16Le:
        case IniEncoding::Utf16Be:
            decodeUtf16(bytes, encoding == IniEncoding::Utf16Be, units);
            break;
        case IniEncoding::Utf32Le:
        case IniEncoding::Utf32Be:
            ok = decodeUtf32(bytes, encoding == IniEncoding::Utf32Be, units);
            break;
    }
    if (ok) {
        text = core::utf16ToUtf8(units);
    }
    return ok;
}
