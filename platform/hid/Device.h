#pragma once

#include <cstdint>
#include <span>

#include "platform/hid/DeviceInterface.h"

namespace hid {

// An open device interface. Byte 0 of every report is the report id (0 on
// devices without numbered reports), as on the other platform the programs
// were written for.
class Device {
public:
    virtual ~Device() = default;

    virtual const DeviceInterface& info() const = 0;

    // Sends a feature report; false when the device refused it or is gone.
    virtual bool setFeature(std::span<const std::uint8_t> report) = 0;
    // Fetches the feature report whose id is in report[0]; the byte count
    // received (id byte included), or -1.
    virtual int getFeature(std::span<std::uint8_t> report) = 0;
    // Sends an output report.
    virtual bool write(std::span<const std::uint8_t> report) = 0;
    // Asks the device for its current input report whose id is in report[0]
    // (a GET_REPORT request, not the interrupt stream `read` waits on); the
    // byte count received (id byte included), or -1.
    virtual int getInput(std::span<std::uint8_t> report) = 0;
    // Waits for the next input report of this interface; its byte count, or -1
    // when the device went away or the handle was closed (from any thread).
    virtual int read(std::span<std::uint8_t> buffer) = 0;
    // Ends the use of the handle; a read blocked in another thread returns -1.
    virtual void close() = 0;
};

}  // namespace hid
