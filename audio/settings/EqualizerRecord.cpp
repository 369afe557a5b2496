#include "audio/settings/EqualizerRecord.h"

namespace {

constexpr std::uint8_t kFlagD = 0x10;
constexpr std::uint8_t kFlagC = 0x20;
constexpr std::uint8_t kFlagB = 0x40;
constexpr std::uint8_t kFlagA = 0x80;
constexpr std::uint8_t kMarker = 0x80;

std::uint8_t lowByte(unsigned gain) {
    return static_cast<std::uint8_t>(gain & 0xFF);
}

std::uint8_t highNibble(unsigned gain) {
    return static_cast<std::uint8_t>((gain >> 8) & 0x0F);
}

}  // namespace

void PackEqualizerImage(const EqualizerRecord& record, std::span<std::uint8_t> buffer, std::size_t offset) {
    std::span<std::uint8_t> image = buffer.subspan(offset, kEqualizerImageBytes);
    const auto& g = record.m_wEQValue;
    image[0] = lowByte(g[0]);
    image[1] = static_cast<std::uint8_t>(highNibble(g[0]) | ((g[1] & 0x0F) << 4));
    image[2] = static_cast<std::uint8_t>((g[1] >> 4) & 0xFF);
    image[3] = lowByte(g[2]);
    image[4] = static_cast<std::uint8_t>(highNibble(g[2]) | ((g[3] & 0x0F) << 4));
    image[5] = static_cast<std::uint8_t>((g[3] >> 4) & 0xFF);
    image[6] = lowByte(g[4]);
    image[7] = static_cast<std::uint8_t>(highNibble(g[4]) | (record.m_bFlagD ? kFlagD : 0) |
                                         (record.m_bFlagC ? kFlagC : 0) | (record.m_bFlagB ? kFlagB : 0) |
                                         (record.m_bFlagA ? kFlagA : 0));
    for (std::size_t i = 8; i < 14; ++i) {
        image[i] = 0;
    }
    image[14] = record.m_byMode;
    image[15] = static_cast<std::uint8_t>((record.m_byMode & ~kMarker) | (record.m_bMarker ? kMarker : 0));
}

EqualizerRecord UnpackEqualizerImage(std::span<const std::uint8_t> buffer, std::size_t offset) {
    std::span<const std::uint8_t> image = buffer.subspan(offset, kEqualizerImageBytes);
    EqualizerRecord record;
    auto& g = record.m_wEQValue;
    g[0] = static_cast<std::uint16_t>(image[0] | ((image[1] & 0x0F) << 8));
    g[1] = static_cast<std::uint16_t>((image[1] >> 4) | (image[2] << 4));
    g[2] = static_cast<std::uint16_t>(image[3] | ((image[4] & 0x0F) << 8));
    g[3] = static_cast<std::uint16_t>((image[4] >> 4) | (image[5] << 4));
    g[4] = static_cast<std::uint16_t>(image[6] | ((image[7] & 0x0F) << 8));
    record.m_bFlagD = (image[7] & kFlagD) != 0;
    record.m_bFlagC = (image[7] & kFlagC) != 0;
    record.m_bFlagB = (image[7] & kFlagB) != 0;
    record.m_bFlagA = (image[7] & kFlagA) != 0;
    record.m_byMode = image[14];
    record.m_bMarker = (image[15] & kMarker) != 0;
    return record;
}
