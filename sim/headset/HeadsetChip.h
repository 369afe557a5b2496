#pragma once

#include <array>
#include <cstdint>
#include <map>

namespace sim {

// Chip registers the emulated headset keeps: the whole 16-bit space below
// this bound; a select of an address above it is refused.
inline constexpr std::size_t kRegisterCount = 0x400;

// The chip's bridge to its EEPROM buses, reached through ordinary registers so
// that the register reports alone read the EEPROM: the bus address and offset
// go to the first two, a command to the control register, and the data byte
// comes and goes through the data register.
inline constexpr std::uint16_t kI2cAddressRegister = 0x3F0;
inline constexpr std::uint16_t kI2cOffsetRegister = 0x3F1;
inline constexpr std::uint16_t kI2cDataRegister = 0x3F2;
inline constexpr std::uint16_t kI2cControlRegister = 0x3F3;
inline constexpr std::uint8_t kI2cRead = 0x01;
inline constexpr std::uint8_t kI2cWrite = 0x02;
inline constexpr std::uint8_t kI2cDone = 0x00;
inline constexpr std::uint8_t kI2cNoAnswer = 0x80;  // no device at that bus address

inline constexpr std::uint8_t kEepromBusMain = 0x50;
inline constexpr std::uint8_t kEepromBusEqualizer = 0x51;
inline constexpr std::size_t kEepromSize = 256;
inline constexpr std::size_t kLineCount = 10;

using Rgb = std::array<std::uint8_t, 3>;

// One lighting controller: the master one on the headset and the slave one
// behind it take the same calls.
struct LightingState {
    std::uint8_t mode =
        1;  // 1 off, 2 single colour, 3 blinking, 4 breathe, 5 rainbow, 6 multi-breathe, 7 random
    std::uint8_t speed = 0;
    std::uint8_t steps = 0;
    std::uint8_t group = 0;  // group or LED number of the last call
    std::uint8_t deviceId = 0;
    std::uint32_t wait = 0;
    std::array<Rgb, 8> palette{};                     // colour index 1..7
    std::array<Rgb, 8> modeColour{};                  // single colour of modes 2..4
    std::array<std::uint8_t, 3> brightness{6, 6, 6};  // LED 0 (all), 1, 2
    int calls = 0;
};

struct HeadsetChip {
    std::array<std::uint8_t, kRegisterCount> registers{};
    std::uint16_t selectedRegister = 0;
    bool linesAnswerPending = false;  // the next input report carries the lines

    std::array<std::array<std::uint8_t, kEepromSize>, 2> eeprom{};  // buses 0x50 and 0x51

    std::array<std::uint8_t, kLineCount> lineLevels{};
    std::array<std::uint8_t, kLineCount> lineModes{};
    bool buttonScan = false;

    bool equalizerConfigured = false;
    bool equalizerOn = false;
    bool threeDConfigured = false;
    bool threeDOn = false;
    bool surroundOn = false;
    float surroundScalar = 0.0f;
    std::array<std::uint8_t, 68> surroundBlock{};

    bool noiseCancellationOn = false;
    std::array<std::uint8_t, 8> noiseCancellationState{};        // first block of the read-back
    std::array<std::uint8_t, 16> noiseCancellationParameters{};  // level in bytes 8-11
    bool voiceEffectOn = false;
    std::int16_t voiceEffect = 0;

    LightingState master;
    LightingState slave;

    // The driver extension's side.
    std::uint32_t roomEffect = 0;
    std::uint32_t effectProcessing = 0;
    std::uint32_t driverStatus = 1;
    std::map<std::uint16_t, std::uint32_t> queryValues;  // selector -> value
};

// The headset as it leaves the factory: flat equalizer images in all four
// EEPROM banks, the 3D defaults, buttons released (lines pulled up).
HeadsetChip factoryChip();

}  // namespace sim
