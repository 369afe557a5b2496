#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/hid/Device.h"

namespace sdk {

// Status values of the stand-in's entry points.
enum Status : std::int32_t {
    Ok = 0,
    NoDevice = 1,   // no active device, or it is not present
    Transfer = 2,   // a report was refused or the device went away
    BadAnswer = 3,  // the headset answered something we cannot use
    BadArgument = 4,
};

// One open HID interface of the active headset, for one call of the SDK.
// Register and EEPROM access use the chip's register reports; everything
// else uses the vendor feature report that our emulated headset understands.
class HeadsetLink {
public:
    // The first interface with these ids; nullptr when none is present.
    static std::unique_ptr<HeadsetLink> open(std::uint16_t vendorId, std::uint16_t productId);
    explicit HeadsetLink(std::unique_ptr<hid::Device> device) : device_(std::move(device)) {}

    Status readRegister(std::uint16_t address, std::uint8_t& value);
    Status writeRegister(std::uint16_t address, std::uint8_t value);
    Status readEeprom(std::uint8_t bus, std::uint8_t offset, std::span<std::uint8_t> bytes);

    // Sets the vendor report with the call and its arguments and fetches the
    // answer; `answer` receives the bytes after the status (as many as fit).
    Status vendorCall(std::uint8_t call, std::span<const std::uint8_t> arguments,
                      std::span<std::uint8_t> answer = {});

    // Hands the open interface on (to the button scanner).
    std::unique_ptr<hid::Device> release() { return std::move(device_); }

private:
    bool sendRegisterReport(std::uint8_t a, std::uint8_t b, std::uint8_t op);
    Status endExchange();

    std::unique_ptr<hid::Device> device_;
};

// The answer of a register read: the value is byte 2 of the input report.
// False when the report is too short to hold it.
bool registerValueOf(std::span<const std::uint8_t> report, int length, std::uint8_t& value);

// Checks a vendor answer against the call and copies its data; the status.
Status vendorAnswerOf(std::uint8_t call, std::span<const std::uint8_t> report, int length,
                      std::span<std::uint8_t> answer);

}  // namespace sdk
