#include "keyboard/link/MacroPairs.h"

namespace {

constexpr std::uint8_t kDelayAction = 3;

MacroPair pauseFor(unsigned delay, std::uint8_t& carry) {
    // Each range uses the finest pause unit whose count still fits a byte.
    if (delay < 16320) {
        carry = static_cast<std::uint8_t>((delay % 64) / 8);
        return {0x01, static_cast<std::uint8_t>(delay / 64)};
    }
    if (delay < 32640) {
        carry = static_cast<std::uint8_t>((delay % 128) / 8);
        return {0x02, static_cast<std::uint8_t>(delay / 128)};
    }
    carry = static_cast<std::uint8_t>((delay % 256) / 8);
    return {0x03, static_cast<std::uint8_t>(delay / 256)};
}

}  // namespace

std::vector<MacroPair> ActionsToPairs(std::span<const MacroActionBytes> actions,
                                      const KeyCodeConverter& vkToUsage) {
    std::vector<MacroPair> pairs;
    std::uint8_t carry = 0;
    for (const MacroActionBytes& action : actions) {
        if (action[0] != kDelayAction) {
            pairs.push_back({vkToUsage(action[0]), static_cast<std::uint8_t>(action[1] | carry)});
            carry = 0;
            continue;
        }
        // The keyboard takes the low 16 bits of a delay.
        unsigned delay = unsigned{action[2]} * 256 + action[3];
        if (delay < 1016) {
            carry = static_cast<std::uint8_t>(delay / 8);
        } else {
            pairs.push_back(pauseFor(delay, carry));
        }
    }
    return pairs;
}

std::vector<MacroActionBytes> PairsToActions(std::span<const MacroPair> pairs,
                                             const KeyCodeConverter& usageToVk) {
    std::vector<MacroActionBytes> actions;
    std::uint16_t pause = 0;  // 16 bits, as the keyboard's transfer has
    auto append = [&](const MacroActionBytes& action) {
        if (actions.size() < kMaxMacroActions) {
            actions.push_back(action);
        }
    };
    for (const MacroPair& pair : pairs) {
        switch (pair.type) {
            case 3:
                pause = static_cast<std::uint16_t>(pause + pair.value * 256);
                break;
            case 2:
                pause = static_cast<std::uint16_t>(pause + pair.value * 128);
                break;
            case 1:
                pause = static_cast<std::uint16_t>(pause + pair.value * 64);
                break;
            default:
                pause = static_cast<std::uint16_t>(pause + (pair.value & 0x7F) * 8);
                break;
        }
        if (pair.type < 4) {
            continue;
        }
        if (pause != 0) {
            append({kDelayAction, 0, static_cast<std::uint8_t>(pause >> 8),
                    static_cast<std::uint8_t>(pause & 0xFF)});
        }
        append({usageToVk(pair.type), static_cast<std::uint8_t>(pair.value & 0x80), 0, 0});
        pause = 0;
    }
    return actions;
}
