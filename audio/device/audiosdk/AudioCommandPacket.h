#pragma once

#include <array>
#include <cstdint>
#include <span>

struct AudioSdk;

// The SDK's command packet: 286 bytes, zero-filled; byte 0 the command group,
// byte 1 the sub-command, the payload from byte 2. The headset's reply stands
// in the same packet at bytes 2 and 134.
class AudioCommandPacket {
public:
    static constexpr std::uint32_t kLength = 286;
    static constexpr std::uint8_t kNoiseCancellation = 4;
    static constexpr std::uint8_t kVoiceEffect = 7;

    AudioCommandPacket(std::uint8_t group, std::uint8_t subCommand);
    // A packet carrying one 32-bit little-endian value.
    static AudioCommandPacket WithValue(std::uint8_t group, std::uint8_t subCommand, std::uint32_t value);
    // A packet carrying data (at most 284 bytes are taken).
    static AudioCommandPacket WithData(std::uint8_t group, std::uint8_t subCommand,
                                       std::span<const std::uint8_t> data);

    // `DLLQ9_AudioCommand` on this packet; its status (the reply replaces the packet).
    std::int32_t Send(const AudioSdk& sdk);

    // `count` reply bytes from `offset`, clipped to the packet.
    std::span<const std::uint8_t> Reply(std::size_t offset, std::size_t count) const;

    std::array<std::uint8_t, kLength>& Bytes() { return m_bytes; }
    const std::array<std::uint8_t, kLength>& Bytes() const { return m_bytes; }

private:
    std::array<std::uint8_t, kLength> m_bytes{};
};
