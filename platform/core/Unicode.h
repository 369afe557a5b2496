#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace core {

// UTF-8 is our text everywhere; these convert at the edges (UTF-16 files) and
// count characters where a limit is given in characters rather than bytes.

// Appends the UTF-8 form of one code point (U+FFFD for values no encoding has).
void appendUtf8(std::string& out, char32_t codePoint);

// Surrogate pairs become one character; a lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

// Characters above U+FFFF become surrogate pairs; every byte that does not
// belong to a well-formed sequence becomes U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);

// Bytes taken by the character starting at `position`: the length of a
// well-formed sequence, or 1 for a stray byte (so every byte counts somewhere).
std::size_t utf8CharacterLength(std::string_view text, std::size_t position);

// At most `maxCharacters` whole characters of `text`.
std::string_view cutToCharacters(std::string_view text, std::size_t maxCharacters);

// How a text file is stored, as its byte-order mark says (the values are the
// ones the settings files' readers report).
enum class TextEncoding : int { unmarked = 0, utf8 = 1, utf16le = 2, utf16be = 3, utf32le = 4, utf32be = 5 };

struct ByteOrderMark {
    TextEncoding encoding = TextEncoding::unmarked;
    std::size_t length = 0;  // bytes of the mark
};

// The UTF-32 marks are tested before the UTF-16 ones, so FF FE 00 00 is UTF-32LE.
ByteOrderMark detectByteOrderMark(std::string_view bytes);

// Turns the bytes after the mark into UTF-8, through 16-bit units as the
// system's text functions do: false for malformed UTF-8, for any character
// above U+FFFF in UTF-8 or UTF-32, and for UTF-32 whose byte count is not a
// multiple of 4 (overlong UTF-8 forms pass). An odd last byte of UTF-16 is no
// unit and is left out. Unmarked bytes are taken as they are.
bool decodeToUtf8(TextEncoding encoding, std::string_view bytes, std::string& text);

}  // namespace core
