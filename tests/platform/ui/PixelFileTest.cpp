#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/ui/PixelFile.h"
#include "platform/ui/detail/PixelFileReader.h"

namespace {

constexpr std::uint32_t kPixels[] = {0xFF102030u, 0x80402010u, 0x00000000u,
                                     0xFFFFFFFFu, 0xFF000000u, 0x40404040u};

// A 3 × 2 pixel file; `swapped` writes every word the other way round, as a
// machine of the other byte order would.
QByteArray PixelFile(bool swapped = false, int width = 3, int height = 2) {
    auto word = [&](std::uint32_t value) { return swapped ? __builtin_bswap32(value) : value; };
    ui::pixelfile::Header header{};
    std::memcpy(header.magic, ui::pixelfile::kMagic, 4);
    header.byteOrder = word(ui::pixelfile::kByteOrderMark);
    header.width = word(static_cast<std::uint32_t>(width));
    header.height = word(static_cast<std::uint32_t>(height));
    QByteArray bytes(reinterpret_cast<const char*>(&header), sizeof header);
    for (std::uint32_t pixel : kPixels) {
        const std::uint32_t stored = word(pixel);
        bytes.append(reinterpret_cast<const char*>(&stored), 4);
    }
    return bytes;
}

void ExpectPixels(const QImage& image) {
    ASSERT_EQ(image.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(row[x], kPixels[y * 3 + x]) << x << "," << y;
        }
    }
}

}  // namespace

TEST(PixelFile, PixelsAreTakenAsTheyLieOrSwappedOrRealigned) {
    ExpectPixels(ui::detail::readPixelFile(PixelFile()));
    ExpectPixels(ui::detail::readPixelFile(PixelFile(true)));
    // Bytes that start one byte off a word boundary.
    const QByteArray shifted = QByteArray("x") + PixelFile();
    ExpectPixels(ui::detail::readPixelFile(shifted.sliced(1)));
}

// The picture outlives the bytes it was read from, and drawing on it leaves them alone.
TEST(PixelFile, ThePictureOwnsWhatItUses) {
    QByteArray bytes = PixelFile();
    const QByteArray original = bytes;
    QImage image = ui::detail::readPixelFile(bytes);
    bytes.fill('\0');
    bytes.clear();
    image.setPixel(0, 0, 0xFF00FF00u);
    EXPECT_EQ(image.pixel(1, 0), QImage(ui::detail::readPixelFile(original)).pixel(1, 0));
    EXPECT_EQ(original, PixelFile());
}

TEST(PixelFile, DamagedFilesGiveNoPicture) {
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    QByteArray badMagic = PixelFile();
    badMagic[0] = 'X';
    QByteArray badOrder = PixelFile();
    badOrder[4] = 9;
    QByteArray cut = PixelFile();
    cut.chop(1);
    const Case cases[] = {
        {"empty", QByteArray()},
        {"header cut", PixelFile().left(15)},
        {"other magic", badMagic},
        {"unknown byte order", badOrder},
        {"one byte short", cut},
        {"no width", PixelFile(false, 0, 2)},
        {"no height", PixelFile(false, 3, 0)},
        {"more rows than bytes", PixelFile(false, 3, 3)},
        {"a huge picture", PixelFile(false, 0x10000, 0x10000)},
        {"sizes that overflow", PixelFile(false, -1, -1)},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(ui::detail::readPixelFile(c.bytes).isNull()) << c.what;
    }
}
