#include "audio/device/DriverControls.h"

#include <array>

#include "platform/driver/DriverExtension.h"

namespace driverctl {

namespace {

using Eight = std::array<std::uint8_t, 8>;

void Put16(Eight& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* bytes, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t Get32(const Eight& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                      static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

int SendValue(const std::string& path, std::uint32_t code, std::uint32_t value) {
    auto handle = driver::open(path);
    if (!handle) {
        return 1;
    }
    std::uint8_t in[4];
    Put32(in, value);
    return handle->control(code, in, {}) ? 0 : 2;
}

}  // namespace

int Query(const std::string& path, std::uint16_t selector, std::uint32_t& value) {
    auto handle = driver::open(path);
    if (!handle) {
        return 1;
    }
    Eight in{}, out{};
    Put16(in, 0, 1);
    Put16(in, 2, selector);
    Put32(in.data() + 4, value);
    auto returned = handle->control(kQuery, in, out);
    if (!returned) {
        return 2;
    }
    if (*returned < out.size()) {
        return 3;
    }
    value = Get32(out, 4);
    return 0;
}

int Status(const std::string& path, std::uint32_t& status) {
    auto handle = driver::open(path);
    if (!handle) {
        return 1;
    }
    Eight in{}, out{};
    Put32(in.data(), 1);
    auto returned = handle->control(kStatus, in, out);
    if (!returned || *returned < out.size()) {
        return 2;
    }
    status = Get32(out, 4);
    return 0;
}

int SelectRoomEffect(const std::string& path, std::uint32_t effectIndex) {
    return SendValue(path, kSelectRoomEffect, effectIndex);
}

int EffectProcessing(const std::string& path, std::uint32_t value) {
    return SendValue(path, kEffectProcessing, value);
}

}  // namespace driverctl
