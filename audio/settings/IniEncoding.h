#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Text encodings an INI file may be stored in, recognised by its byte-order mark.
enum class IniEncoding : std::int32_t {
    Ansi = 0,
    Utf8 = 1,
    Utf16Le = 2,
    Utf16Be = 3,
    Utf32Le = 4,
    Utf32Be = 5
};

struct DetectedEncoding {
    IniEncoding encoding = IniEncoding::Ansi;
    std::size_t markLength = 0;
};

// The UTF-32 marks are tested before the UTF-16 ones, so FF FE 00 00 is UTF-32LE.
DetectedEncoding DetectEncoding(const unsigned char* bytes, std::size_t length);

// Turns the bytes after the mark into UTF-8 text. False for malformed UTF-8,
// for any character above U+FFFF in UTF-8 or UTF-32, and for UTF-32 whose byte
// count is not a multiple of 4. Bytes without a mark are taken as they are.
bool DecodeIniText(IniEncoding encoding, std::string_view bytes, std::string& text);
