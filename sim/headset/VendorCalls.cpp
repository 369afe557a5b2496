#include "sim/headset/VendorCalls.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "sim/headset/VendorProtocol.h"

namespace sim {

namespace {

using namespace vendor;

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                      static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

void putLe32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

ChipAnswer done(std::string what) {
    return {true, std::move(what)};
}

ChipAnswer refused(std::string what) {
    return {false, std::move(what)};
}

// Bytes each call needs after the call byte.
std::size_t argumentCount(std::uint8_t call) {
    switch (call) {
        case AudioCommand:
            return kCommandPacketLength;
        case SetEqOnOff:
        case Set3DOnOff:
        case SetSurroundOnOff:
        case ScanButtons:
        case GetGpio:
            return 1;
        case SetSurroundScalar:
            return 4;
        case SetSurround:
            return 68;
        case SetEncParameters:
            return 16;
        case SetGpioModes:
            return 1 + kLineCount;
        case SetGpioMode:
            return 2;
        case RgbMode:
            return 5 + 4;
        case RgbColour:
        case RgbSingleColour:
            return 7 + 4;
        case RgbStep:
            return 3 + 4;
        case RgbBrightness:
            return 4 + 4;
        default:
            return 0;
    }
}

}  // namespace

ChipAnswer VendorCalls::set(std::span<const std::uint8_t> report, std::vector<std::uint8_t>& answer) {
    answer.assign(kVendorReportLength, 0);
    if (report.size() < 2) {
        return refused("short vendor report");
    }
    std::uint8_t call = report[1];
    answer[1] = call;
    if (report.size() < kArguments + argumentCount(call)) {
        answer[kStatus] = 1;
        return refused("short vendor call " + std::to_string(call));
    }
    Arguments args = report.subspan(kArguments);
    std::span<std::uint8_t> reply = std::span(answer).subspan(kAnswer);
    ChipAnswer result = dispatch(call, args, reply);
    answer[kStatus] = result.accepted ? 0 : 1;
    return result;
}

ChipAnswer VendorCalls::dispatch(std::uint8_t call, Arguments args, std::span<std::uint8_t> reply) {
    switch (call) {
        case AudioCommand:
            return audioCommand(args.first(kCommandPacketLength), reply);
        case SetSurroundScalar:
        case SetSurround:
        case SetEncParameters:
            return block(call, args);
        case SetGpioModes:
        case SetGpioMode:
        case GetGpio:
            return gpio(call, args, reply);
        case RgbMode:
        case RgbColour:
        case RgbSingleColour:
        case RgbStep:
        case RgbBrightness:
            return lighting(call, args);
        default:
            return onOff(call, args, reply);
    }
}

// The calls that switch something or read a switch back.
ChipAnswer VendorCalls::onOff(std::uint8_t call, Arguments args, std::span<std::uint8_t> reply) {
    auto set = [&](bool& state, const char* name) {
        state = args[0] != 0;
        return done(name + std::string(" ") + std::to_string(args[0]));
    };
    switch (call) {
        case Attach:
            return done("attach");
        case ConfigEq:
            chip_.equalizerConfigured = true;
            return done("config equalizer");
        case SetEqOnOff:
            return set(chip_.equalizerOn, "equalizer");
        case IsEqEnabled:
            reply[0] = chip_.equalizerOn;
            return done("equalizer state");
        case Config3D:
            chip_.threeDConfigured = true;
            return done("config 3D");
        case Set3DOnOff:
            return set(chip_.threeDOn, "3D");
        case Is3DEnabled:
            reply[0] = chip_.threeDOn;
            return done("3D state");
        case SetSurroundOnOff:
            return set(chip_.surroundOn, "surround");
        case ScanButtons:
            return set(chip_.buttonScan, "button scan");
        default:
            return refused("unknown vendor call " + std::to_string(call));
    }
}

ChipAnswer VendorCalls::block(std::uint8_t call, Arguments args) {
    if (call == SetSurroundScalar) {
        std::uint32_t bits = le32(args, 0);
        std::memcpy(&chip_.surroundScalar, &bits, sizeof bits);
        return done("surround scalar");
    }
    if (call == SetSurround) {
        std::copy_n(args.begin(), chip_.surroundBlock.size(), chip_.surroundBlock.begin());
        return done("surround block");
    }
    std::copy_n(args.begin(), chip_.noiseCancellationParameters.size(),
                chip_.noiseCancellationParameters.begin());
    return done("noise cancellation parameters");
}

ChipAnswer VendorCalls::audioCommand(Arguments packet, std::span<std::uint8_t> reply) {
    std::copy(packet.begin(), packet.end(), reply.begin());
    std::uint8_t group = packet[0], sub = packet[1];
    std::string what = "audio command " + std::to_string(group) + "/" + std::to_string(sub);
    ChipAnswer answer;
    if (group == 4) {
        answer = noiseCancellation(sub, packet, reply);
    } else if (group == 7) {
        answer = voiceEffect(sub, packet);
    } else {
        answer = refused("");
    }
    answer.what = what + answer.what;
    return answer;
}

ChipAnswer VendorCalls::noiseCancellation(std::uint8_t sub, Arguments packet, std::span<std::uint8_t> reply) {
    if (sub == 0) {
        chip_.noiseCancellationOn = le32(packet, 2) != 0;
        putLe32(chip_.noiseCancellationState, 0, chip_.noiseCancellationOn);
        return done(chip_.noiseCancellationOn ? " on" : " off");
    }
    if (sub == 8) {
        std::copy(chip_.noiseCancellationState.begin(), chip_.noiseCancellationState.end(),
                  reply.begin() + 2);
        std::copy(chip_.noiseCancellationParameters.begin(), chip_.noiseCancellationParameters.end(),
                  reply.begin() + 134);
        return done(" read");
    }
    return refused("");
}

ChipAnswer VendorCalls::voiceEffect(std::uint8_t sub, Arguments packet) {
    if (sub == 0) {
        chip_.voiceEffectOn = le32(packet, 2) != 0;
        return done(chip_.voiceEffectOn ? " on" : " off");
    }
    if (sub == 2) {
        chip_.voiceEffectOn = le32(packet, 2) != 0;
        chip_.voiceEffect = static_cast<std::int16_t>(packet[6] | packet[7] << 8);
        return done(" effect " + std::to_string(chip_.voiceEffect));
    }
    return refused("");
}

ChipAnswer VendorCalls::gpio(std::uint8_t call, Arguments args, std::span<std::uint8_t> reply) {
    if (call == SetGpioModes) {
        std::size_t count = std::min<std::size_t>(args[0], kLineCount);
        std::copy_n(args.begin() + 1, count, chip_.lineModes.begin());
        return done("line modes (" + std::to_string(count) + ")");
    }
    std::uint8_t line = args[0];
    if (line >= kLineCount) {
        return refused("line " + std::to_string(line) + " (no such line)");
    }
    if (call == SetGpioMode) {
        chip_.lineModes[line] = args[1];
        return done("line " + std::to_string(line) + " mode " + std::to_string(args[1]));
    }
    reply[0] = chip_.lineLevels[line];
    return done("line " + std::to_string(line) + " level");
}

ChipAnswer VendorCalls::lighting(std::uint8_t call, Arguments args) {
    if (args[0] != Master && args[0] != Slave) {
        return refused("lighting family " + std::to_string(args[0]));
    }
    LightingState& light = args[0] == Master ? chip_.master : chip_.slave;
    std::string family = args[0] == Master ? "master" : "slave";
    light.deviceId = args[1];
    ++light.calls;
    auto rgb = [&](std::size_t at) { return Rgb{args[at], args[at + 1], args[at + 2]}; };
    switch (call) {
        case RgbMode:
            light.group = args[2];
            light.mode = args[3];
            light.speed = args[4];
            light.wait = le32(args, 5);
            return done(family + " mode " + std::to_string(light.mode) + " speed " +
                        std::to_string(light.speed));
        case RgbColour:
            if (args[3] < 1 || args[3] > 7) {
                return refused(family + " colour index " + std::to_string(args[3]));
            }
            light.group = args[2];
            light.palette[args[3]] = rgb(4);
            light.wait = le32(args, 7);
            return done(family + " colour " + std::to_string(args[3]));
        case RgbSingleColour:
            if (args[3] >= light.modeColour.size()) {
                return refused(family + " single colour mode " + std::to_string(args[3]));
            }
            light.group = args[2];
            light.modeColour[args[3]] = rgb(4);
            light.wait = le32(args, 7);
            return done(family + " single colour mode " + std::to_string(args[3]));
        case RgbStep:
            light.steps = args[2];
            light.wait = le32(args, 3);
            return done(family + " steps " + std::to_string(light.steps));
        default:
            if (args[2] >= light.brightness.size()) {
                return refused(family + " brightness LED " + std::to_string(args[2]));
            }
            light.brightness[args[2]] = args[3];
            light.wait = le32(args, 4);
            return done(family + " brightness " + std::to_string(args[3]));
    }
}

}  // namespace sim
