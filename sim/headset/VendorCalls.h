#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "sim/headset/ChipAnswer.h"
#include "sim/headset/HeadsetChip.h"

namespace sim {

// The chip's side of the vendor feature report: carries out the call in a set
// report and prepares the answer the next get returns. The caller holds the
// chip's lock.
class VendorCalls {
public:
    explicit VendorCalls(HeadsetChip& chip) : chip_(chip) {}

    // `answer` becomes the whole report to hand back (call, status, data).
    ChipAnswer set(std::span<const std::uint8_t> report, std::vector<std::uint8_t>& answer);

private:
    using Arguments = std::span<const std::uint8_t>;
    ChipAnswer dispatch(std::uint8_t call, Arguments args, std::span<std::uint8_t> reply);
    ChipAnswer onOff(std::uint8_t call, Arguments args, std::span<std::uint8_t> reply);
    ChipAnswer block(std::uint8_t call, Arguments args);
    ChipAnswer audioCommand(Arguments packet, std::span<std::uint8_t> reply);
    ChipAnswer noiseCancellation(std::uint8_t sub, Arguments packet, std::span<std::uint8_t> reply);
    ChipAnswer voiceEffect(std::uint8_t sub, Arguments packet);
    ChipAnswer gpio(std::uint8_t call, Arguments args, std::span<std::uint8_t> reply);
    ChipAnswer lighting(std::uint8_t call, Arguments args);

    HeadsetChip& chip_;
};

}  // namespace sim
