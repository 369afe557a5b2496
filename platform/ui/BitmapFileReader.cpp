#include "platform/ui/detail/BitmapFileReader.h"

#include <cstdint>
#include <cstdlib>

#include "platform/ui/detail/GraphicsData.h"

namespace ui::detail {

namespace {

constexpr std::uint64_t kMostPixels = 1u << 26;
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER; later headers may carry colour spaces

std::uint16_t Little16(const uchar* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t Little32(const uchar* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

std::optional<PlainBitmap> readPlainBitmapHeader(const QByteArray& bytes, std::uint64_t fileSize) {
    if (static_cast<std::uint64_t>(bytes.size()) < kFileHeaderSize + kInfoHeaderSize) {
        return std::nullopt;
    }
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    if (p[0] != 'B' || p[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t offset = Little32(p + 10);
    const std::uint32_t infoSize = Little32(p + 14);
    const auto width = static_cast<std::int32_t>(Little32(p + 18));
    const auto height = static_cast<std::int32_t>(Little32(p + 22));
    const std::uint16_t planes = Little16(p + 26);
    const std::uint16_t bits = Little16(p + 28);
    const std::uint32_t compression = Little32(p + 30);
    if (infoSize != kInfoHeaderSize || planes != 1 || bits != 24 || compression != 0 || width <= 0 ||
        height == 0 || height == INT32_MIN) {
        return std::nullopt;
    }
    PlainBitmap header;
    header.width = width;
    header.height = static_cast<int>(std::llabs(height));
    header.bottomUp = height > 0;
    header.offset = offset;
    header.stride = (static_cast<std::uint64_t>(width) * 3 + 3) & ~std::uint64_t{3};
    const auto rows = static_cast<std::uint64_t>(header.height);
    if (static_cast<std::uint64_t>(width) * rows > kMostPixels || offset < kFileHeaderSize + kInfoHeaderSize ||
        offset > fileSize || fileSize - offset < header.stride * rows) {
        return std::nullopt;
    }
    return header;
}

QImage readPlainBitmap(const QByteArray& bytes) {
    const auto header = readPlainBitmapHeader(bytes, static_cast<std::uint64_t>(bytes.size()));
    if (!header) {
        return {};
    }
    QImage image(header->width, header->height, kImageFormat);
    if (image.isNull()) {
        return {};
    }
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const auto rows = static_cast<std::uint64_t>(header->height);
    for (std::uint64_t y = 0; y < rows; ++y) {
        const uchar* in = p + header->offset + (header->bottomUp ? rows - 1 - y : y) * header->stride;
        auto* out = reinterpret_cast<std::uint32_t*>(image.scanLine(static_cast<int>(y)));
        for (int x = 0; x < header->width; ++x, in += 3) {
            out[x] = 0xFF000000u | static_cast<std::uint32_t>(in[2]) << 16 |
                     static_cast<std::uint32_t>(in[1]) << 8 | in[0];
        }
    }
    return image;
}

}  // namespace ui::detail
