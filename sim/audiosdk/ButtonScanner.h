#pragma once

#include <cstdint>
#include <memory>
#include <thread>

#include "platform/hid/Device.h"

namespace sdk {

using ButtonCallback = std::int32_t (*)(std::uint32_t vendorId, std::uint32_t productId,
                                        const std::uint8_t* data, std::uint32_t reserved1,
                                        std::uint32_t reserved2);

// Reads the headset's button reports on a thread of its own and hands the
// first five bytes of each to the callback, as the maker's library does.
class ButtonScanner {
public:
    ButtonScanner(std::unique_ptr<hid::Device> device, std::uint16_t vendorId, std::uint16_t productId,
                  ButtonCallback callback);
    ~ButtonScanner();  // closes the handle and waits for the thread

private:
    void run();

    std::unique_ptr<hid::Device> device_;
    std::uint16_t vendorId_;
    std::uint16_t productId_;
    ButtonCallback callback_;
    std::thread thread_;
};

// The five bytes handed on from one input report, or false when it is no
// button report.
bool buttonBytesOf(const std::uint8_t* report, int length, std::uint8_t (&bytes)[5]);

}  // namespace sdk
