#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "keyboard/link/MacroPairs.h"

// The 226-byte macro report: header, a 24-byte name, the loop count, the pair
// count and up to 96 pairs.
struct MacroReport {
    static constexpr std::size_t kLength = 226;
    static constexpr std::size_t kMaxPairs = 96;

    std::string name;
    bool unnamed = false;        // bytes 8 and 9 were 0xFF: recorded on the keyboard
    std::uint8_t loop = 0;       // 0 = no loop
    std::uint8_t pairCount = 0;  // what byte 33 says (on write: the macro's stored count)
    std::vector<MacroPair> pairs;

    // Pairs past the 96th do not fit and are left out; byte 33 never claims more
    // pairs than the report carries.
    std::vector<std::uint8_t> Build(int profile, int slot) const;
    // A count in byte 33 beyond what the report holds is cut to 96 pairs. An
    // unnamed macro is called "Profile<p+1>_G<slot+1>".
    static MacroReport Parse(const std::vector<std::uint8_t>& report, int profile, int slot);
};
