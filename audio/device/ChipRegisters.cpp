#include "audio/device/ChipRegisters.h"

#include <vector>

namespace chip {

namespace {

constexpr std::uint8_t kRegisterReport = 0x60;

bool Send(hid::Device& device, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4) {
    std::vector<std::uint8_t> report(device.info().outputReportLength, 0);
    report[1] = b1;
    report[2] = b2;
    report[3] = b3;
    report[4] = b4;
    return device.write(report);
}

bool CanSend(const hid::Device& device) {
    return device.info().outputReportLength >= 5;
}

bool Select(hid::Device& device, std::uint16_t reg) {
    return Send(device, kRegisterReport, static_cast<std::uint8_t>(reg & 0xFF),
                static_cast<std::uint8_t>(reg >> 8), 0x10);
}

// The input report answering the last request; its length, or -1.
int FetchInput(hid::Device& device, std::vector<std::uint8_t>& report) {
    report.assign(device.info().inputReportLength, 0);
    int length = device.getInput(report);
    return length <= static_cast<int>(report.size()) ? length : -1;
}

}  // namespace

int WriteRegister(hid::Device& device, std::uint16_t reg, std::uint8_t value) {
    if (!CanSend(device)) {
        return 1;
    }
    if (!Select(device, reg)) {
        return 2;
    }
    return Send(device, kRegisterReport, value, 0x01, 0x20) ? 0 : 3;
}

int ReadRegister(hid::Device& device, std::uint16_t reg, std::uint8_t& value) {
    if (!CanSend(device)) {
        return 1;
    }
    if (!Select(device, reg)) {
        return 2;
    }
    if (device.info().inputReportLength < 3) {
        return 3;
    }
    std::vector<std::uint8_t> report;
    if (FetchInput(device, report) < 3) {
        return 4;
    }
    value = report[2];
    return 0;
}

int EndExchange(hid::Device& device) {
    if (!CanSend(device)) {
        return 1;
    }
    return Send(device, 0, 0, 0, 0) ? 0 : 2;
}

int ReadLines(hid::Device& device, Lines& lines) {
    if (!CanSend(device) || device.info().inputReportLength < 5) {
        return 1;
    }
    if (!Send(device, kRegisterReport, 0x00, 0x00, 0x30)) {
        return 2;
    }
    std::vector<std::uint8_t> report;
    if (FetchInput(device, report) < 4) {
        return 3;
    }
    for (std::size_t line = 0; line < kLineCount; ++line) {
        lines[line] = (report[2 + line / 8] >> (line % 8)) & 1;
    }
    return 0;
}

int WriteLines(hid::Device& device, const Lines& lines) {
    if (!CanSend(device)) {
        return 1;
    }
    std::uint8_t low = 0, high = 0;
    for (std::size_t line = 0; line < kLineCount; ++line) {
        if (lines[line]) {
            (line < 8 ? low : high) |= static_cast<std::uint8_t>(1u << (line % 8));
        }
    }
    return Send(device, kRegisterReport, low, 0xFF, static_cast<std::uint8_t>(0x3C | high)) ? 0 : 2;
}

int WriteEqualizer(hid::Device& device, const EqualizerImage& image) {
    for (std::size_t band = 0; band < 5; ++band) {
        std::uint16_t gain = image.m_wGain[band];
        std::uint8_t high = static_cast<std::uint8_t>((gain >> 8) & 0x0F);
        if (band == 4) {
            high |= image.FlagBits();
        }
        std::uint16_t reg = static_cast<std::uint16_t>(kEqualizerBand0 + 2 * band);
        if (WriteRegister(device, reg, static_cast<std::uint8_t>(gain & 0xFF)) != 0) {
            return static_cast<int>(2 * band + 1);
        }
        if (WriteRegister(device, static_cast<std::uint16_t>(reg + 1), high) != 0) {
            return static_cast<int>(2 * band + 2);
        }
    }
    return 0;
}

int WriteBandGain(hid::Device& device, std::size_t band, std::uint16_t gain) {
    if (band >= 5) {
        return 4;
    }
    std::uint16_t reg = static_cast<std::uint16_t>(kEqualizerBand0 + 2 * band);
    if (WriteRegister(device, reg, static_cast<std::uint8_t>(gain & 0xFF)) != 0) {
        return 1;
    }
    std::uint8_t high = static_cast<std::uint8_t>((gain >> 8) & 0x0F);
    if (band == 4) {
        std::uint8_t flags = 0;
        if (ReadRegister(device, kEqualizerFlags, flags) != 0) {
            return 2;
        }
        high = static_cast<std::uint8_t>((flags & 0xF0) | high);
    }
    return WriteRegister(device, static_cast<std::uint16_t>(reg + 1), high) == 0 ? 0 : 3;
}

int Write3D(hid::Device& device, bool fbm, std::uint8_t leftAlpha, std::uint8_t leftBeta,
            std::uint8_t rightAlpha, std::uint8_t rightBeta) {
    if (leftAlpha > 15 || leftBeta > 15 || rightAlpha > 15 || rightBeta > 15) {
        return 5;
    }
    std::uint8_t threeD = 0;
    if (ReadRegister(device, kThreeD, threeD) != 0) {
        return 1;
    }
    threeD = static_cast<std::uint8_t>(fbm ? threeD | 0x01 : threeD & ~0x01);
    if (WriteRegister(device, kThreeD, threeD) != 0) {
        return 2;
    }
    if (WriteRegister(device, kThreeDLeft, static_cast<std::uint8_t>(leftAlpha << 4 | leftBeta)) != 0) {
        return 3;
    }
    return WriteRegister(device, kThreeDRight, static_cast<std::uint8_t>(rightAlpha << 4 | rightBeta)) == 0
               ? 0
               : 4;
}

std::uint8_t RaiseTuneNibbles(std::uint8_t value) {
    if ((value & 0x0F) == 0x0A) {
        value |= 0x0F;
    }
    if ((value & 0xF0) == 0xA0) {
        value |= 0xF0;
    }
    return value;
}

}  // namespace chip
