#include "audio/device/EqualizerImage.h"

#include <algorithm>

namespace {

std::uint8_t Low8(std::uint16_t gain) {
    return static_cast<std::uint8_t>(gain & 0xFF);
}

std::uint8_t High4(std::uint16_t gain) {
    return static_cast<std::uint8_t>((gain >> 8) & 0x0F);
}

bool Fits(std::size_t size, std::size_t offset) {
    return offset <= size && size - offset >= EqualizerImage::kSize;
}

}  // namespace

std::uint8_t EqualizerImage::FlagBits() const {
    return static_cast<std::uint8_t>((m_bFlagD ? 0x10 : 0) | (m_bFlagC ? 0x20 : 0) | (m_bFlagB ? 0x40 : 0) |
                                     (m_bFlagA ? 0x80 : 0));
}

void EqualizerImage::SetFlagBits(std::uint8_t byte) {
    m_bFlagD = byte & 0x10;
    m_bFlagC = byte & 0x20;
    m_bFlagB = byte & 0x40;
    m_bFlagA = byte & 0x80;
}

bool EqualizerImage::Pack(std::span<std::uint8_t> buffer, std::size_t offset) const {
    if (!Fits(buffer.size(), offset)) {
        return false;
    }
    const auto& g = m_wGain;
    std::span<std::uint8_t> image = buffer.subspan(offset, kSize);
    std::fill(image.begin(), image.end(), 0);
    image[0] = Low8(g[0]);
    image[1] = static_cast<std::uint8_t>(High4(g[0]) | (g[1] & 0x0F) << 4);
    image[2] = static_cast<std::uint8_t>((g[1] >> 4) & 0xFF);
    image[3] = Low8(g[2]);
    image[4] = static_cast<std::uint8_t>(High4(g[2]) | (g[3] & 0x0F) << 4);
    image[5] = static_cast<std::uint8_t>((g[3] >> 4) & 0xFF);
    image[6] = Low8(g[4]);
    image[7] = static_cast<std::uint8_t>(High4(g[4]) | FlagBits());
    image[14] = m_byMode;
    image[15] = static_cast<std::uint8_t>((m_byMode & 0x7F) | (m_bMarker ? 0x80 : 0));
    return true;
}

std::optional<EqualizerImage> EqualizerImage::Unpack(std::span<const std::uint8_t> buffer,
                                                     std::size_t offset) {
    if (!Fits(buffer.size(), offset)) {
        return std::nullopt;
    }
    std::span<const std::uint8_t> b = buffer.subspan(offset, kSize);
    EqualizerImage image;
    image.m_wGain[0] = static_cast<std::uint16_t>(b[0] | (b[1] & 0x0F) << 8);
    image.m_wGain[1] = static_cast<std::uint16_t>(b[1] >> 4 | b[2] << 4);
    image.m_wGain[2] = static_cast<std::uint16_t>(b[3] | (b[4] & 0x0F) << 8);
    image.m_wGain[3] = static_cast<std::uint16_t>(b[4] >> 4 | b[5] << 4);
    image.m_wGain[4] = static_cast<std::uint16_t>(b[6] | (b[7] & 0x0F) << 8);
    image.SetFlagBits(b[7]);
    image.m_byMode = b[14];
    image.m_bMarker = b[15] & 0x80;
    return image;
}

std::size_t EqualizerBankOf(std::uint8_t selector) {
    return selector >= 16 && selector <= 19 ? selector - 16u : 0u;
}
