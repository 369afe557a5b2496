#pragma once

#include <string>

namespace sim {

// How the chip took one report or request, and what it was in words for the log.
struct ChipAnswer {
    bool accepted = false;
    std::string what;
};

}  // namespace sim
