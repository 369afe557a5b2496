#include "sim/audiosdk/HeadsetLink.h"

#include <algorithm>
#include <vector>

#include "platform/hid/Bus.h"
#include "sim/headset/HeadsetChip.h"
#include "sim/headset/VendorProtocol.h"

namespace sdk {

std::unique_ptr<HeadsetLink> HeadsetLink::open(std::uint16_t vendorId, std::uint16_t productId) {
    for (const hid::DeviceInterface& interface : hid::enumerate()) {
        if (interface.vendorId == vendorId && interface.productId == productId) {
            if (auto device = hid::open(interface.path)) {
                return std::make_unique<HeadsetLink>(std::move(device));
            }
        }
    }
    return nullptr;
}

bool registerValueOf(std::span<const std::uint8_t> report, int length, std::uint8_t& value) {
    if (length < 3 || static_cast<std::size_t>(length) > report.size()) {
        return false;
    }
    value = report[2];
    return true;
}

Status vendorAnswerOf(std::uint8_t call, std::span<const std::uint8_t> report, int length,
                      std::span<std::uint8_t> answer) {
    using namespace sim::vendor;
    if (length <= static_cast<int>(kStatus) || static_cast<std::size_t>(length) > report.size() ||
        report[1] != call) {
        return BadAnswer;
    }
    if (report[kStatus] != 0) {
        return Transfer;
    }
    std::size_t available =
        static_cast<std::size_t>(length) > kAnswer ? static_cast<std::size_t>(length) - kAnswer : 0;
    std::fill(answer.begin(), answer.end(), 0);
    std::copy_n(report.begin() + kAnswer, std::min(available, answer.size()), answer.begin());
    return Ok;
}

bool HeadsetLink::sendRegisterReport(std::uint8_t a, std::uint8_t b, std::uint8_t op) {
    std::size_t length = device_->info().outputReportLength;
    if (length < 5) {
        return false;
    }
    std::vector<std::uint8_t> report(length, 0);
    report[1] = op ? 0x60 : 0x00;
    report[2] = a;
    report[3] = b;
    report[4] = op;
    return device_->write(report);
}

Status HeadsetLink::endExchange() {
    return sendRegisterReport(0, 0, 0) ? Ok : Transfer;
}

Status HeadsetLink::readRegister(std::uint16_t address, std::uint8_t& value) {
    if (!sendRegisterReport(static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(address >> 8),
                            0x10)) {
        return Transfer;
    }
    std::vector<std::uint8_t> report(std::max<std::size_t>(device_->info().inputReportLength, 2), 0);
    int length = device_->getInput(report);
    if (!registerValueOf(report, length, value)) {
        return length < 0 ? Transfer : BadAnswer;
    }
    return endExchange();
}

Status HeadsetLink::writeRegister(std::uint16_t address, std::uint8_t value) {
    if (!sendRegisterReport(static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(address >> 8),
                            0x10) ||
        !sendRegisterReport(value, 0x01, 0x20)) {
        return Transfer;
    }
    return endExchange();
}

Status HeadsetLink::readEeprom(std::uint8_t bus, std::uint8_t offset, std::span<std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::uint8_t status = 0;
        Status step = writeRegister(sim::kI2cAddressRegister, bus);
        if (step == Ok) {
            step = writeRegister(sim::kI2cOffsetRegister, static_cast<std::uint8_t>(offset + i));
        }
        if (step == Ok) {
            step = writeRegister(sim::kI2cControlRegister, sim::kI2cRead);
        }
        if (step == Ok) {
            step = readRegister(sim::kI2cControlRegister, status);
        }
        if (step == Ok && status != sim::kI2cDone) {
            step = BadAnswer;
        }
        if (step == Ok) {
            step = readRegister(sim::kI2cDataRegister, bytes[i]);
        }
        if (step != Ok) {
            return step;
        }
    }
    return Ok;
}

Status HeadsetLink::vendorCall(std::uint8_t call, std::span<const std::uint8_t> arguments,
                               std::span<std::uint8_t> answer) {
    using namespace sim::vendor;
    std::size_t length = device_->info().featureReportLength;
    if (length < kArguments + arguments.size() || length <= kAnswer) {
        return Transfer;
    }
    std::vector<std::uint8_t> report(length, 0);
    report[1] = call;
    std::copy(arguments.begin(), arguments.end(), report.begin() + kArguments);
    if (!device_->setFeature(report)) {
        return Transfer;
    }
    std::fill(report.begin(), report.end(), 0);
    int received = device_->getFeature(report);
    if (received < 0) {
        return Transfer;
    }
    return vendorAnswerOf(call, report, received, answer);
}

}  // namespace sdk
