#include "platform/ui/detail/PixelFileReader.h"

#include <cstdint>
#include <cstring>

#include "platform/ui/PixelFile.h"
#include "platform/ui/detail/GraphicsData.h"

namespace ui::detail {

namespace {

constexpr std::uint64_t kMostPixels = 1u << 26;

std::uint32_t Swapped(std::uint32_t value) {
    return __builtin_bswap32(value);
}

void ReleaseBytes(void* bytes) {
    delete static_cast<QByteArray*>(bytes);
}

}  // namespace

QImage readPixelFile(QByteArray bytes) {
    pixelfile::Header header{};
    if (static_cast<std::size_t>(bytes.size()) < sizeof header) {
        return {};
    }
    std::memcpy(&header, bytes.constData(), sizeof header);
    if (std::memcmp(header.magic, pixelfile::kMagic, sizeof header.magic) != 0) {
        return {};
    }
    const bool swapped = header.byteOrder == Swapped(pixelfile::kByteOrderMark);
    if (!swapped && header.byteOrder != pixelfile::kByteOrderMark) {
        return {};
    }
    const std::uint64_t width = swapped ? Swapped(header.width) : header.width;
    const std::uint64_t height = swapped ? Swapped(header.height) : header.height;
    if (width == 0 || height == 0 || width * height > kMostPixels ||
        static_cast<std::uint64_t>(bytes.size()) - pixelfile::kHeaderSize < width * height * 4) {
        return {};
    }
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    char* pixels = bytes.data() + pixelfile::kHeaderSize;  // detaches: the image may be drawn on
    if (!swapped && reinterpret_cast<std::uintptr_t>(pixels) % alignof(std::uint32_t) == 0) {
        auto* kept = new QByteArray(std::move(bytes));
        return QImage(reinterpret_cast<uchar*>(kept->data() + pixelfile::kHeaderSize), w, h, w * 4,
                      kImageFormat, ReleaseBytes, kept);
    }
    QImage image(w, h, kImageFormat);
    for (int y = 0; y < h; ++y) {
        auto* out = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        std::memcpy(out, pixels + static_cast<std::size_t>(y) * width * 4, width * 4);
        if (swapped) {
            for (int x = 0; x < w; ++x) {
                out[x] = Swapped(out[x]);
            }
        }
    }
    return image;
}

}  // namespace ui::detail
