#include "audio/device/audiosdk/AudioCommandPacket.h"

#include <algorithm>

#include "audio/device/audiosdk/AudioSdk.h"

AudioCommandPacket::AudioCommandPacket(std::uint8_t group, std::uint8_t subCommand) {
    m_bytes[0] = group;
    m_bytes[1] = subCommand;
}

AudioCommandPacket AudioCommandPacket::WithValue(std::uint8_t group, std::uint8_t subCommand,
                                                 std::uint32_t value) {
    AudioCommandPacket packet(group, subCommand);
    for (std::size_t i = 0; i < 4; ++i) {
        packet.m_bytes[2 + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return packet;
}

AudioCommandPacket AudioCommandPacket::WithData(std::uint8_t group, std::uint8_t subCommand,
                                                std::span<const std::uint8_t> data) {
    AudioCommandPacket packet(group, subCommand);
    std::copy_n(data.begin(), std::min<std::size_t>(data.size(), kLength - 2), packet.m_bytes.begin() + 2);
    return packet;
}

std::int32_t AudioCommandPacket::Send(const AudioSdk& sdk) {
    if (!sdk.fnDLLQ9_AudioCommand) {
        return -1;
    }
    std::uint32_t length = kLength;
    return sdk.fnDLLQ9_AudioCommand(m_bytes.data(), &length);
}

std::span<const std::uint8_t> AudioCommandPacket::Reply(std::size_t offset, std::size_t count) const {
    if (offset >= kLength) {
        return {};
    }
    return std::span(m_bytes).subspan(offset, std::min(count, kLength - offset));
}
