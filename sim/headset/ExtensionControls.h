#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "sim/headset/ChipAnswer.h"
#include "sim/headset/HeadsetChip.h"

namespace sim {

inline constexpr std::uint32_t kControlQuery = 0x00223028;
inline constexpr std::uint32_t kControlStatus = 0x00223190;
inline constexpr std::uint32_t kControlSelectRoomEffect = 0x08232008;
inline constexpr std::uint32_t kControlEffectProcessing = 0x08232000;

// The headset driver's extension as the panel sees it: four control codes.
// A query of a selector the driver does not know returns no bytes.
class ExtensionControls {
public:
    explicit ExtensionControls(HeadsetChip& chip) : chip_(chip) {}

    // The bytes written to `out`, or nullopt when the request is refused.
    std::optional<std::size_t> control(std::uint32_t code, std::span<const std::uint8_t> in,
                                       std::span<std::uint8_t> out, ChipAnswer& answer);

private:
    HeadsetChip& chip_;
};

}  // namespace sim
