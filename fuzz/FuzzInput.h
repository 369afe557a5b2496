#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

// The input as the bytes of a file or a text.
inline std::string AsText(const std::uint8_t* data, std::size_t size) {
    return size ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
}

#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition)) {   \
            std::abort();     \
        }                     \
    } while (0)
