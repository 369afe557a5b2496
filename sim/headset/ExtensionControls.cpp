#include "sim/headset/ExtensionControls.h"

#include <algorithm>
#include <string>

namespace sim {

namespace {

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                      static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

void putLe32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace

std::optional<std::size_t> ExtensionControls::control(std::uint32_t code, std::span<const std::uint8_t> in,
                                                      std::span<std::uint8_t> out, ChipAnswer& answer) {
    answer = {false, "control " + std::to_string(code)};
    switch (code) {
        case kControlQuery: {
            if (in.size() < 8 || out.size() < 8 || (in[0] | in[1] << 8) != 1) {
                return std::nullopt;
            }
            std::uint16_t selector = static_cast<std::uint16_t>(in[2] | in[3] << 8);
            answer = {true, "query " + std::to_string(selector)};
            auto value = chip_.queryValues.find(selector);
            if (value == chip_.queryValues.end()) {
                return 0;
            }
            std::copy_n(in.begin(), 4, out.begin());
            putLe32(out, 4, value->second);
            return 8;
        }
        case kControlStatus:
            if (in.size() < 8 || out.size() < 8) {
                return std::nullopt;
            }
            putLe32(out, 0, 1);
            putLe32(out, 4, chip_.driverStatus);
            answer = {true, "status"};
            return 8;
        case kControlSelectRoomEffect: {
            if (in.size() < 4 || le32(in, 0) > 4) {
                return std::nullopt;
            }
            chip_.roomEffect = le32(in, 0);
            answer = {true, "room effect " + std::to_string(chip_.roomEffect)};
            return 0;
        }
        case kControlEffectProcessing:
            if (in.size() < 4) {
                return std::nullopt;
            }
            chip_.effectProcessing = le32(in, 0);
            answer = {true, "effect processing " + std::to_string(chip_.effectProcessing)};
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace sim
