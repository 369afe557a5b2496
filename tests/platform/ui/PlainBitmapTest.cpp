#include "platform/ui/detail/PlainBitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

namespace {

void PutU32(QByteArray& bytes, int at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i));
    }
}

// A Windows bitmap of `rows` (top row first, 0xRRGGBB), stored bottom-up
// unless `topDown`, with the header fields a test may spoil afterwards.
QByteArray Bitmap(const std::vector<std::vector<std::uint32_t>>& rows, int bits, bool topDown = false) {
    const int width = static_cast<int>(rows.front().size());
    const int height = static_cast<int>(rows.size());
    const int stride = (width * bits + 31) / 32 * 4;
    QByteArray bytes(54 + stride * height, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutU32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    PutU32(bytes, 10, 54);
    PutU32(bytes, 14, 40);
    PutU32(bytes, 18, static_cast<std::uint32_t>(width));
    PutU32(bytes, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    bytes[26] = 1;
    bytes[28] = static_cast<char>(bits);
    for (int y = 0; y < height; ++y) {
        const int stored = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            const int at = 54 + stored * stride + x * bits / 8;
            bytes[at] = static_cast<char>(rgb);
            bytes[at + 1] = static_cast<char>(rgb >> 8);
            bytes[at + 2] = static_cast<char>(rgb >> 16);
        }
    }
    return bytes;
}

const std::vector<std::vector<std::uint32_t>> kPixels = {{0xFF0000, 0x00FF00, 0x0000FF},
                                                         {0x123456, 0xFFFFFF, 0x000000}};

void ExpectPixels(const QImage& image) {
    ASSERT_EQ(image.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(image.pixel(x, y),
                      0xFF000000u | kPixels[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)])
                << x << "," << y;
        }
    }
}

}  // namespace

// Padded 24-bit rows, bottom-up; 32-bit rows, top-down; and Qt's own reader
// agrees on the same bytes.
TEST(PlainBitmap, ReadsRowsInEitherOrder) {
    const QByteArray bottomUp = Bitmap(kPixels, 24);
    ExpectPixels(ui::detail::decodePlainBitmap(bottomUp));
    ExpectPixels(QImage::fromData(bottomUp));
    ExpectPixels(ui::detail::decodePlainBitmap(Bitmap(kPixels, 32, true)));
}

// Headers that lie about the data must not read past it.
TEST(PlainBitmap, DamagedOrOtherBitmapsAreLeftAlone) {
    struct Case {
        const char* what;
        int at;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"pixels beyond the end", 10, 60},
        {"run-length compressed", 30, 1},
        {"8 bits with a palette", 28, 8},
        {"no width", 18, 0},
        {"no height", 22, 0},
        {"the most negative height", 22, static_cast<std::uint32_t>(INT_MIN)},
        {"a billion pixels wide", 18, 1000000000},
        {"a huge height", 22, 0x7FFFFFFF},
        {"pixel data offset past the file", 10, 0xFFFFFFF0u},
        {"a short header", 14, 12},
    };
    for (const Case& c : cases) {
        QByteArray bytes = Bitmap(kPixels, 24);
        PutU32(bytes, c.at, c.value);
        EXPECT_TRUE(ui::detail::decodePlainBitmap(bytes).isNull()) << c.what;
    }
    QByteArray cut = Bitmap(kPixels, 24);
    cut.chop(1);
    EXPECT_TRUE(ui::detail::decodePlainBitmap(cut).isNull()) << "one byte short";
    EXPECT_TRUE(ui::detail::decodePlainBitmap(QByteArray("BM")).isNull()) << "headers cut";
    EXPECT_TRUE(ui::detail::decodePlainBitmap(QByteArray()).isNull()) << "empty";
}
