#pragma once

#include <cstdint>
#include <string>

// What a selector or dialog reports to its owner through a pointer in lParam:
// a display name and the three bytes of a key function. The owner copies what
// it keeps while handling the message.
struct SelectorResult {
    std::string name;
    std::uint8_t category = 0;
    std::uint8_t p1 = 0;
    std::uint8_t p2 = 0;
};
