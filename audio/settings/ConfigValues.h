#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// How the text of a settings value becomes a value.

constexpr std::size_t kListItemLimit = 10;
constexpr std::size_t kListItemCharacters = 127;

// Leading decimal digits with an optional sign (after leading blanks); 0 when
// there are none. Values beyond the 32-bit range stop at its ends.
int LenientInteger(std::string_view text);

// The whole text must be an integer: decimal, or hexadecimal after "0x" or
// "$" (up to 8 digits, taken as a 32-bit pattern), with an optional sign and
// leading blanks. Anything else throws EConvertError with the text.
int StrictInteger(std::string_view text);

// Items separated by ","; a double-quoted item may hold commas (a doubled
// quote inside stands for one). Spaces around items are kept. At most 10
// items of at most 127 characters: further items are ignored, longer ones cut.
std::vector<std::string> SplitListItems(std::string_view value);

// The same items without the limits, for values whose callers check count
// and length themselves.
std::vector<std::string> SplitAllListItems(std::string_view value);

// One strict integer per item, pin 0 first; pins without an item keep 0.
std::array<int, kListItemLimit> IntegerList(std::string_view value);
