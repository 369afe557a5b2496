#pragma once

#include <cstdint>

// The layer's own picture file: a 16-byte header and then the rows, top row
// first, of premultiplied ARGB pixels as 32-bit words in the byte order of
// the machine that wrote them. The programs embed their pictures this way,
// so loading one is no decoding at all: the pixels are used where they lie.
// An embedded ":/res/png/<id>.pixels" or ":/res/bmp/<id>.pixels" is taken
// before the PNG or BMP file of that id.
namespace ui::pixelfile {

inline constexpr char kMagic[4] = {'Q', 'P', 'X', '1'};
// Written as a 32-bit word: a reader whose words are the other way round
// sees 0x04030201 and swaps.
inline constexpr std::uint32_t kByteOrderMark = 0x01020304u;
inline constexpr std::uint32_t kHeaderSize = 16;

struct Header {
    char magic[4];
    std::uint32_t byteOrder;
    std::uint32_t width;
    std::uint32_t height;
};
static_assert(sizeof(Header) == kHeaderSize);

}  // namespace ui::pixelfile
