#pragma once

#include <string>

#include "audio/settings/IniEncoding.h"
#include "platform/core/Unicode.h"

// UTF-8 text as a file in the given encoding, byte-order mark first.
inline std::string encodedFile(IniEncoding encoding, const std::string& text) {
    auto put = [](std::string& out, unsigned value, int bytes, bool bigEndian) {
        for (int i = 0; i < bytes; ++i) {
            int shift = bigEndian ? (bytes - 1 - i) * 8 : i * 8;
            out += static_cast<char>((value >> shift) & 0xFF);
        }
    };
    std::string out;
    switch (encoding) {
        case IniEncoding::Ansi:
            return text;
        case IniEncoding::Utf8:
            return "\xEF\xBB\xBF" + text;
        case IniEncoding::Utf16Le:
        case IniEncoding::Utf16Be:
            put(out, 0xFEFF, 2, encoding == IniEncoding::Utf16Be);
            for (char16_t unit : core::utf8ToUtf16(text)) {
                put(out, unit, 2, encoding == IniEncoding::Utf16Be);
            }
            return out;
        case IniEncoding::Utf32Le:
        case IniEncoding::Utf32Be:
            put(out, 0xFEFF, 4, encoding == IniEncoding::Utf32Be);
            for (char16_t unit : core::utf8ToUtf16(text)) {
                put(out, unit, 4, encoding == IniEncoding::Utf32Be);
            }
            return out;
    }
    return out;
}
