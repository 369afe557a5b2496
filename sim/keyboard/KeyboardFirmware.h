#pragma once

#include <array>
#include <cstdint>

namespace sim {

// A macro as the keyboard stores it: the bytes of its macro report from the
// name on. A name starting 0xFF 0xFF is the keyboard's "no name".
struct FirmwareMacro {
    std::array<std::uint8_t, 24> name{};
    std::uint8_t loop = 0;
    std::uint8_t pairCount = 0;             // kept as sent, even when more than the pairs below
    std::array<std::uint8_t, 192> pairs{};  // 96 pairs of (type, value)
};

struct FirmwareProfile {
    std::array<std::uint8_t, 4> lighting{};  // bytes 4..7 of the lighting report
    std::array<std::uint8_t, 160> keyMap{};
    std::array<std::uint8_t, 18> gKeys{};  // six functions of three bytes
    std::array<FirmwareMacro, 6> macros{};
};

// Everything the keyboard keeps, laid out as its reports carry it.
struct KeyboardFirmware {
    std::uint8_t currentProfile = 0;  // as last written; 7 is the "configurator closed" signal
    std::array<FirmwareProfile, 3> profiles{};
    std::uint8_t selectedProfile = 0;  // what the last select report chose
    std::uint8_t selectedItem = 0;
};

}  // namespace sim
