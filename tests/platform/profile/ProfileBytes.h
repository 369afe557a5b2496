#pragma once

#include <string>

#include "platform/core/Unicode.h"

// The same text as a UTF-16LE file with its byte-order mark.
inline std::string utf16LeFile(const std::string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : core::utf8ToUtf16(text)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}
