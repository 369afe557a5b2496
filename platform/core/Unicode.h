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

}  // namespace core
