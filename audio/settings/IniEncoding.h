#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Text encodings an INI file may be stored in, recognised by its byte-order mark
// (the values of core::TextEncoding).
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

// core::detectByteOrderMark and core::decodeToUtf8 under the INI reader's names.
DetectedEncoding DetectEncoding(const unsigned char* bytes, std::size_t length);

bool DecodeIniText(IniEncoding encoding, std::string_view bytes, std::string& text);
