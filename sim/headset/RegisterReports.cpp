#include "sim/headset/RegisterReports.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

namespace sim {

namespace {

constexpr std::uint8_t kRegisterReport = 0x60;

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::optional<std::size_t> busIndex(std::uint8_t address) {
    if (address == kEepromBusMain) {
        return 0;
    }
    if (address == kEepromBusEqualizer) {
        return 1;
    }
    return std::nullopt;
}

}  // namespace

ChipAnswer RegisterReports::output(std::span<const std::uint8_t> report) {
    if (report.size() < 5) {
        return {false, "short report"};
    }
    std::uint8_t kind = report[1], a = report[2], b = report[3], op = report[4];
    if (kind == 0 && a == 0 && b == 0 && op == 0) {
        chip_.linesAnswerPending = false;
        return {true, "end of exchange"};
    }
    if (kind != kRegisterReport) {
        return {false, "unknown report " + hex(kind, 2)};
    }
    if (op == 0x10) {
        return select(static_cast<std::uint16_t>(a | b << 8));
    }
    if (op == 0x20 && b == 0x01) {
        return write(a);
    }
    if (op == 0x30 && a == 0 && b == 0) {
        chip_.linesAnswerPending = true;
        return {true, "read lines"};
    }
    if ((op & 0xFC) == 0x3C && b == 0xFF) {
        return writeLines(a, op & 0x03);
    }
    return {false, "unknown register request " + hex(op, 2)};
}

std::size_t RegisterReports::input(std::span<std::uint8_t> report) {
    std::fill(report.begin(), report.end(), 0);
    std::size_t length = std::min<std::size_t>(report.size(), 33);
    if (length < 5) {
        return 0;
    }
    report[1] = kRegisterReport;
    if (chip_.linesAnswerPending) {
        for (std::size_t line = 0; line < kLineCount; ++line) {
            report[2 + line / 8] |= static_cast<std::uint8_t>((chip_.lineLevels[line] & 1) << (line % 8));
        }
        report[4] = 0x30;
    } else {
        report[2] = chip_.registers[chip_.selectedRegister];
        report[3] = static_cast<std::uint8_t>(chip_.selectedRegister & 0xFF);
        report[4] = static_cast<std::uint8_t>(chip_.selectedRegister >> 8);
    }
    return length;
}

ChipAnswer RegisterReports::select(std::uint16_t address) {
    if (address >= kRegisterCount) {
        return {false, "select " + hex(address, 4) + " (no such register)"};
    }
    chip_.selectedRegister = address;
    chip_.linesAnswerPending = false;
    return {true, "select " + hex(address, 4)};
}

ChipAnswer RegisterReports::write(std::uint8_t value) {
    chip_.registers[chip_.selectedRegister] = value;
    if (chip_.selectedRegister == kI2cControlRegister) {
        runBridge(value);
    }
    return {true, "write " + hex(chip_.selectedRegister, 4) + " = " + hex(value, 2)};
}

ChipAnswer RegisterReports::writeLines(std::uint8_t low, std::uint8_t high) {
    for (std::size_t line = 0; line < kLineCount; ++line) {
        std::uint8_t bits = line < 8 ? low : high;
        chip_.lineLevels[line] = (bits >> (line % 8)) & 1;
    }
    return {true, "write lines " + hex(static_cast<unsigned>(low | high << 8), 3)};
}

void RegisterReports::runBridge(std::uint8_t command) {
    auto& r = chip_.registers;
    std::optional<std::size_t> bus = busIndex(r[kI2cAddressRegister]);
    if (!bus || (command != kI2cRead && command != kI2cWrite)) {
        r[kI2cControlRegister] = kI2cNoAnswer;
        return;
    }
    std::uint8_t& cell = chip_.eeprom[*bus][r[kI2cOffsetRegister]];
    if (command == kI2cRead) {
        r[kI2cDataRegister] = cell;
    } else {
        cell = r[kI2cDataRegister];
    }
    r[kI2cControlRegister] = kI2cDone;
}

}  // namespace sim
