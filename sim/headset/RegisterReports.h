#pragma once

#include <cstdint>
#include <span>

#include "sim/headset/ChipAnswer.h"
#include "sim/headset/HeadsetChip.h"

namespace sim {

// The chip's side of the register reports on its HID interface: select a
// register, write it, read or write the ten lines, end the exchange; and the
// input report that answers a select (the register's value in byte 2) or a
// read of the lines (bytes 2 and 3). Writing the EEPROM bridge's control
// register runs the bridge. The caller holds the chip's lock.
class RegisterReports {
public:
    explicit RegisterReports(HeadsetChip& chip) : chip_(chip) {}

    ChipAnswer output(std::span<const std::uint8_t> report);
    // Fills the input report; the byte count.
    std::size_t input(std::span<std::uint8_t> report);

private:
    ChipAnswer select(std::uint16_t address);
    ChipAnswer write(std::uint8_t value);
    ChipAnswer writeLines(std::uint8_t low, std::uint8_t high);
    void runBridge(std::uint8_t command);

    HeadsetChip& chip_;
};

}  // namespace sim
