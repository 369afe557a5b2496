#include "platform/ui/detail/PlainBitmap.h"

#include <cstdint>
#include <cstring>

#include "platform/ui/detail/GraphicsData.h"

namespace ui::detail {

namespace {

std::uint32_t ReadU32(const QByteArray& bytes, int at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

std::uint16_t ReadU16(const QByteArray& bytes, int at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

constexpr int kFileHeader = 14;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::int64_t kMostPixels = 1 << 26;

}  // namespace

QImage decodePlainBitmap(const QByteArray& bytes) {
    if (bytes.size() < kFileHeader + static_cast<int>(kInfoHeader) || bytes[0] != 'B' || bytes[1] != 'M') {
        return {};
    }
    const std::uint32_t pixelsAt = ReadU32(bytes, 10);
    const std::uint32_t headerSize = ReadU32(bytes, 14);
    const auto width = static_cast<std::int32_t>(ReadU32(bytes, 18));
    const auto storedHeight = static_cast<std::int32_t>(ReadU32(bytes, 22));
    const std::uint16_t bitsPerPixel = ReadU16(bytes, 28);
    const std::uint32_t compression = ReadU32(bytes, 30);
    if (headerSize < kInfoHeader || compression != kUncompressed ||
        (bitsPerPixel != 24 && bitsPerPixel != 32) || width <= 0 || storedHeight == 0 ||
        storedHeight == INT32_MIN) {
        return {};
    }
    const bool topDown = storedHeight < 0;
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(storedHeight) : storedHeight;
    if (static_cast<std::int64_t>(width) * height > kMostPixels) {
        return {};
    }
    const std::int64_t stride = (static_cast<std::int64_t>(width) * bitsPerPixel + 31) / 32 * 4;
    if (pixelsAt > static_cast<std::uint64_t>(bytes.size()) ||
        stride * height > static_cast<std::int64_t>(bytes.size()) - pixelsAt) {
        return {};
    }
    // Opaque pixels read the same premultiplied, so no conversion pass follows.
    QImage image(width, static_cast<int>(height), kImageFormat);
    const int step = bitsPerPixel / 8;
    const auto* source = reinterpret_cast<const std::uint8_t*>(bytes.constData()) + pixelsAt;
    for (std::int64_t y = 0; y < height; ++y) {
        const std::uint8_t* in = source + (topDown ? y : height - 1 - y) * stride;
        auto* out = reinterpret_cast<std::uint32_t*>(image.scanLine(static_cast<int>(y)));
        for (std::int32_t x = 0; x < width; ++x, in += step) {
            out[x] = 0xFF000000u | static_cast<std::uint32_t>(in[2]) << 16 |
                     static_cast<std::uint32_t>(in[1]) << 8 | in[0];
        }
    }
    return image;
}

}  // namespace ui::detail
