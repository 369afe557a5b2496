#pragma once

#include <string_view>

namespace profile {

// Blanks as the private-profile functions see them: tab, LF, VT, FF, CR, space.
bool isBlank(char c);
std::string_view trimBlanks(std::string_view text);
std::string_view trimLeadingBlanks(std::string_view text);

// Section and key names match without regard to the case of ASCII letters.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// A value enclosed in a matching pair of " or ' loses the pair.
std::string_view unquote(std::string_view value);

}  // namespace profile
