#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <string>

#include "platform/ui/Image.h"
#include "platform/ui/detail/BitmapFileReader.h"
#include "platform/ui/detail/GraphicsData.h"
#include "support/TempFolder.h"

namespace {

void Put16(QByteArray& bytes, int at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void Put32(QByteArray& bytes, int at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// A 24-bit bitmap of width × height with a different colour in every pixel,
// rows padded to four bytes; a negative height stores them top down.
QByteArray Bitmap(int width, int height, std::uint16_t bits = 24, std::uint32_t compression = 0,
                  std::uint32_t infoSize = 40) {
    const int rows = height < 0 ? -height : height;
    const int stride = (width * 3 + 3) & ~3;
    const int offset = 14 + static_cast<int>(infoSize);
    QByteArray bytes(offset + stride * rows, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    Put32(bytes, 10, static_cast<std::uint32_t>(offset));
    Put32(bytes, 14, infoSize);
    Put32(bytes, 18, static_cast<std::uint32_t>(width));
    Put32(bytes, 22, static_cast<std::uint32_t>(height));
    Put16(bytes, 26, 1);
    Put16(bytes, 28, bits);
    Put32(bytes, 30, compression);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            const int at = offset + y * stride + x * 3;
            bytes[at] = static_cast<char>(17 * x + 3);
            bytes[at + 1] = static_cast<char>(29 * y + 5);
            bytes[at + 2] = static_cast<char>(x * y + 200);
        }
    }
    return bytes;
}

QImage DecodedByQt(const QByteArray& bytes) {
    return QImage::fromData(bytes, "BMP").convertToFormat(ui::detail::kImageFormat);
}

// Widths 1..5 meet every row padding; both row orders.
TEST(BitmapFile, PlainBitmapsGiveQtsPixels) {
    for (int width = 1; width <= 5; ++width) {
        for (int height : {3, -3}) {
            const QByteArray bytes = Bitmap(width, height);
            const QImage expected = DecodedByQt(bytes);
            ASSERT_FALSE(expected.isNull()) << width << "x" << height;
            EXPECT_EQ(ui::detail::readPlainBitmap(bytes), expected) << width << "x" << height;
        }
    }
}

TEST(BitmapFile, OtherBitmapsAreLeftToQt) {
    QByteArray truncated = Bitmap(4, 4);
    truncated.chop(1);
    for (const QByteArray& bytes : {Bitmap(4, 4, 32), Bitmap(4, 4, 24, 1), Bitmap(4, 4, 24, 0, 124), truncated,
                                    Bitmap(0, 4), QByteArray("BM"), QByteArray("PNG is not this")}) {
        EXPECT_TRUE(ui::detail::readPlainBitmap(bytes).isNull());
    }
}

TEST(BitmapFile, FilesLoadTheSameWhicheverReaderTakesThem) {
    TempFolder folder;
    const QByteArray plain = Bitmap(5, 3);
    const QByteArray deep = Bitmap(3, 2, 32);
    folder.write("plain.bmp", plain.toStdString());
    folder.write("deep.bmp", deep.toStdString());
    EXPECT_EQ(ui::Image::fromFile(folder.file("plain.bmp")).data().image, DecodedByQt(plain));
    EXPECT_EQ(ui::Image::fromFile(folder.file("deep.bmp")).data().image, DecodedByQt(deep));
    const QImage badge = DecodedByQt(plain).copy(0, 0, 4, 2);
    ASSERT_TRUE(badge.save(QString::fromStdString(folder.file("badge.png")), "PNG"));
    EXPECT_EQ(ui::Image::fromFile(folder.file("badge.png")).data().image, badge);
    EXPECT_EQ(ui::Image::sizeOfFile(folder.file("plain.bmp")), (ui::Size{5, 3}));
    EXPECT_EQ(ui::Image::sizeOfFile(folder.file("badge.png")), (ui::Size{4, 2}));
    EXPECT_FALSE(ui::Image::sizeOfFile(folder.file("missing.bmp")));
}

}  // namespace
