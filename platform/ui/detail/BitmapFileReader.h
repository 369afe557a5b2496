#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <optional>

namespace ui::detail {

// The picture of an uncompressed 24-bit Windows bitmap (the kind skins are
// drawn in), read straight into the layer's pixel format: the same pixels as
// Qt's reader gives, without its per-row reads and second conversion pass.
// A null image for any other file or a short one; Qt's reader takes those.
QImage readPlainBitmap(const QByteArray& bytes);

// Where the pixels of such a bitmap lie, from the first bytes of a file of
// `fileSize` bytes; nullopt when the file is no such bitmap or too short.
struct PlainBitmap {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    std::uint64_t offset = 0;  // of the first stored row
    std::uint64_t stride = 0;  // bytes per stored row
};
inline constexpr int kPlainBitmapHeaderSize = 54;
std::optional<PlainBitmap> readPlainBitmapHeader(const QByteArray& bytes, std::uint64_t fileSize);

}  // namespace ui::detail
