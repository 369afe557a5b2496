#include "sim/headset/HeadsetChip.h"

#include <algorithm>

namespace sim {

namespace {

// A preset as the EEPROM keeps it: five gains of 1024, flags A, B and C set
// (equalizer off), mode byte 0, marker set.
constexpr std::array<std::uint8_t, 16> kFlatImage = {0x00, 0x04, 0x40, 0x00, 0x04, 0x40, 0x00, 0xE4,
                                                     0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80};

}  // namespace

HeadsetChip factoryChip() {
    HeadsetChip chip;
    auto& r = chip.registers;
    for (std::size_t band = 0; band < 5; ++band) {
        r[288 + 2 * band] = 0x00;
        r[289 + 2 * band] = 0x04;
    }
    r[297] = 0xE4;
    r[394] = 0x01;  // FBM on, 3D off
    r[395] = 0xA3;
    r[396] = 0xA3;
    r[461] = 0xAA;
    r[462] = 0xA5;

    auto& main = chip.eeprom[0];
    main[141] = 0x01;  // stored gains present
    main[142] = 0x10;  // bank 0
    main[161] = 0x7B;
    main[231] = 0xA3;
    main[232] = 0xA3;
    for (std::size_t bank = 0; bank < 4; ++bank) {
        std::copy(kFlatImage.begin(), kFlatImage.end(), chip.eeprom[1].begin() + 16 * bank);
    }

    chip.lineLevels.fill(1);
    chip.queryValues[0] = 0x0100;
    return chip;
}

}  // namespace sim
