#include <gtest/gtest.h>

#include "platform/ui/DeviceContext.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/headless/Driver.h"
#include "support/TempFolder.h"

using namespace ui;

namespace {

constexpr int kPng = 9001;     // 4 x 2: red, green, blue, half-white / black, white, grey, clear
constexpr int kBitmap = 9002;  // 6 x 2 with yellow key pixels
constexpr COLORREF kKey = RGB(255, 255, 0);
constexpr COLORREF kBackdrop = RGB(1, 2, 3);

class DeviceContextTest : public ::testing::Test {
protected:
    headless::Driver driver;  // fonts and decoding need the session
};

TEST_F(DeviceContextTest, ResourcesLoadByIdAndMissingOnesAreNull) {
    EXPECT_TRUE(resourceExists(ResourceKind::png, kPng));
    EXPECT_TRUE(resourceExists(ResourceKind::bitmap, kBitmap));
    EXPECT_FALSE(resourceExists(ResourceKind::png, 4242));

    const Image png = Image::fromPngResource(kPng);
    EXPECT_EQ(png.size(), (Size{4, 2}));
    EXPECT_EQ(png.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(png.pixel(3, 1) >> 24, 0u);
    EXPECT_EQ(Image::fromBitmapResource(kBitmap).size(), (Size{6, 2}));
    EXPECT_TRUE(Image::fromPngResource(4242).isNull());
}

TEST_F(DeviceContextTest, NullImageDrawsNothing) {
    MemoryDC dc(8, 8, argbOf(kBackdrop));
    const Image before = dc.image();
    dc.drawImage(Image::fromPngResource(4242), rectAt(0, 0, 8, 8), rectAt(0, 0, 4, 4));
    EXPECT_TRUE(dc.image().samePixels(before));
}

TEST_F(DeviceContextTest, ColourKeyBlitLeavesKeyPixelsOutPixelByPixel) {
    const Image bitmap = Image::fromBitmapResource(kBitmap);
    MemoryDC dc(10, 4, argbOf(kBackdrop));
    ASSERT_TRUE(dc.transparentBlit(rectAt(1, 1, 6, 2), bitmap, rectAt(0, 0, 6, 2), kKey));

    const COLORREF Y = kBackdrop;  // key pixels show what was below
    const COLORREF expected[2][6] = {
        {Y, RGB(255, 0, 0), Y, RGB(0, 255, 0), RGB(0, 0, 255), Y},
        {RGB(255, 255, 255), Y, RGB(0, 0, 0), Y, RGB(10, 20, 30), Y},
    };
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 1 && x < 7 && y >= 1 && y < 3;
            const COLORREF want = inside ? expected[y - 1][x - 1] : kBackdrop;
            EXPECT_EQ(dc.getPixel(x, y), want) << "at " << x << "," << y;
        }
    }
}

TEST_F(DeviceContextTest, ColourKeyBlitScalesByNearestPixelAndRefusesEmptySizes) {
    const Image bitmap = Image::fromBitmapResource(kBitmap);
    MemoryDC dc(4, 4, argbOf(kBackdrop));
    // Source (1,0)-(3,1): red, key -> doubled to 4 x 2.
    ASSERT_TRUE(dc.transparentBlit(rectAt(0, 0, 4, 2), bitmap, rectAt(1, 0, 2, 1), kKey));
    EXPECT_EQ(dc.getPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(dc.getPixel(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(dc.getPixel(2, 0), kBackdrop);
    EXPECT_EQ(dc.getPixel(3, 1), kBackdrop);

    const Image before = dc.image();
    EXPECT_FALSE(dc.transparentBlit(rectAt(0, 0, 0, 2), bitmap, rectAt(0, 0, 2, 2), kKey));
    EXPECT_FALSE(dc.transparentBlit(rectAt(0, 0, 2, 2), bitmap, rectAt(0, 0, 2, 0), kKey));
    EXPECT_TRUE(dc.image().samePixels(before));
}

TEST_F(DeviceContextTest, DrawImageScalesTheSourceFrameIntoTheRectangle) {
    const Image strip = Image::fromPngResource(kPng);
    MemoryDC dc(20, 20, argbOf(kBackdrop));
    dc.drawImage(strip, rectAt(4, 4, 8, 8), rectAt(1, 1, 1, 1));  // the white pixel, 8 times larger
    EXPECT_EQ(dc.getPixel(4, 4), RGB(255, 255, 255));
    EXPECT_EQ(dc.getPixel(11, 11), RGB(255, 255, 255));
    EXPECT_EQ(dc.getPixel(3, 4), kBackdrop);
    EXPECT_EQ(dc.getPixel(12, 11), kBackdrop);
    dc.drawImage(strip, 0, 0);  // natural size, clear pixel keeps what is below
    EXPECT_EQ(dc.getPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(dc.getPixel(3, 1), kBackdrop);
}

TEST_F(DeviceContextTest, StretchAndBlitCopyPixelsAndClippingLimitsDrawing) {
    MemoryDC source(2, 1, 0xFF000000u);
    source.setPixel(0, 0, RGB(200, 0, 0));
    source.setPixel(1, 0, RGB(0, 200, 0));
    MemoryDC dc(8, 2, argbOf(kBackdrop));
    dc.setClipRect(rectAt(0, 0, 6, 2));
    ASSERT_TRUE(dc.stretchBlt(rectAt(0, 0, 8, 2), source, rectAt(0, 0, 2, 1)));
    EXPECT_EQ(dc.getPixel(3, 1), RGB(200, 0, 0));
    EXPECT_EQ(dc.getPixel(4, 0), RGB(0, 200, 0));
    EXPECT_EQ(dc.getPixel(6, 0), kBackdrop) << "outside the clip";
    dc.clearClip();
    ASSERT_TRUE(dc.bitBlt(rectAt(7, 1, 1, 1), source, {1, 0}));
    EXPECT_EQ(dc.getPixel(7, 1), RGB(0, 200, 0));
}

TEST_F(DeviceContextTest, FillFrameAndLines) {
    MemoryDC dc(10, 10, argbOf(kBackdrop));
    dc.fillRect(rectAt(2, 2, 6, 6), RGB(148, 162, 104));
    dc.frameRect(rectAt(2, 2, 6, 6), RGB(0, 255, 0));
    EXPECT_EQ(dc.getPixel(2, 2), RGB(0, 255, 0));
    EXPECT_EQ(dc.getPixel(7, 7), RGB(0, 255, 0));
    EXPECT_EQ(dc.getPixel(3, 3), RGB(148, 162, 104));
    EXPECT_EQ(dc.getPixel(8, 8), kBackdrop);

    dc.setPen({RGB(255, 0, 0)});
    dc.moveTo(0, 0);
    dc.lineTo(5, 0);
    EXPECT_EQ(dc.getPixel(4, 0), RGB(255, 0, 0));
    EXPECT_EQ(dc.getPixel(5, 0), kBackdrop) << "the end point is not drawn";
}

// True when any pixel in the rectangle differs from the colour.
bool anyInk(const DeviceContext& dc, const Rect& r, COLORREF background) {
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            if (dc.getPixel(x, y) != background) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(DeviceContextTest, CjkFaceIsSubstitutedAndDrawsChineseText) {
    const Font font(FontSpec{.height = 12, .face = "宋体"});
    EXPECT_EQ(font.family(), "WenQuanYi Micro Hei");
    MemoryDC dc(100, 20, 0xFF000000u);
    dc.setFont(font);
    dc.setTextColor(RGB(255, 255, 255));
    dc.setBkMode(BkMode::transparent);
    dc.drawText("默认功能", rectAt(0, 0, 100, 20), DT_SINGLELINE | DT_VCENTER);
    EXPECT_TRUE(anyInk(dc, rectAt(0, 0, 100, 20), RGB(0, 0, 0)));
}

TEST_F(DeviceContextTest, TextStaysInsideItsRectangleWithEllipsisAndCentres) {
    MemoryDC dc(200, 30, 0xFF000000u);
    dc.setFont(Font(FontSpec{.height = 0, .width = 9, .weight = FW_NORMAL, .face = "宋体"}));
    dc.setTextColor(RGB(255, 255, 255));
    dc.setBkMode(BkMode::transparent);
    const Rect box = rectAt(10, 5, 60, 20);
    dc.drawText("A rather long display text", box, DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS);
    EXPECT_TRUE(anyInk(dc, box, RGB(0, 0, 0)));
    EXPECT_FALSE(anyInk(dc, rectAt(70, 0, 130, 30), RGB(0, 0, 0)));

    MemoryDC centred(100, 20, 0xFF000000u);
    centred.setTextColor(RGB(255, 255, 255));
    centred.setBkMode(BkMode::transparent);
    centred.drawText("OK", rectAt(0, 0, 100, 20), DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EXPECT_FALSE(anyInk(centred, rectAt(0, 0, 35, 20), RGB(0, 0, 0)));
    EXPECT_FALSE(anyInk(centred, rectAt(65, 0, 35, 20), RGB(0, 0, 0)));
    EXPECT_TRUE(anyInk(centred, rectAt(35, 0, 30, 20), RGB(0, 0, 0)));
}

TEST_F(DeviceContextTest, OpaqueTextFillsItsBackground) {
    MemoryDC dc(100, 30, 0xFF000000u);
    dc.setBkMode(BkMode::opaque);
    dc.setBkColor(RGB(164, 73, 164));
    dc.setTextColor(RGB(255, 255, 255));
    dc.textOut(30, 5, "Current Profile:1");
    EXPECT_EQ(dc.getPixel(30, 5), RGB(164, 73, 164));
    EXPECT_EQ(dc.getPixel(29, 5), RGB(0, 0, 0));
}

TEST_F(DeviceContextTest, FontHeightsFollowTheirSign) {
    const int characterHeight20 = Font(FontSpec{.height = -20}).lineHeight();
    EXPECT_GE(characterHeight20, 20) << "a character height leaves the leading on top";
    EXPECT_LE(characterHeight20, 28);
    const Font cell(FontSpec{.height = 24, .width = 12, .weight = FW_BOLD, .face = "\xCB\xCE\xCC\xE5"});
    EXPECT_NEAR(cell.lineHeight(), 24, 1);
    EXPECT_EQ(cell.family(), "WenQuanYi Micro Hei");
    const Font byWidth(FontSpec{.height = 0, .width = 9, .face = "宋体"});
    EXPECT_NEAR(byWidth.lineHeight(), 18, 1) << "a width alone: the square cell of a narrow face";
}

TEST_F(DeviceContextTest, RegionIsAUnionOfRectangles) {
    Region region(rectAt(0, 0, 10, 1));
    region.unite(rectAt(0, 1, 4, 1));
    region.unite(rectAt(6, 1, 4, 1));
    EXPECT_TRUE(region.contains({9, 0}));
    EXPECT_TRUE(region.contains({3, 1}));
    EXPECT_FALSE(region.contains({5, 1}));
    EXPECT_EQ(region.bounds(), rectAt(0, 0, 10, 2));
    EXPECT_TRUE(region.intersects(rectAt(4, 0, 2, 1)));
    EXPECT_FALSE(region.intersects(rectAt(4, 1, 2, 1)));
}

TEST_F(DeviceContextTest, SurfaceIsReadBackAndSavedAsPng) {
    struct Painted : Window {
        LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
            if (message == WM_PAINT) {
                PaintDC dc(*this);
                dc.fillRect(clientRect(), RGB(5, 16, 38));
                return 0;
            }
            return DefWindowProc(message, w, l);
        }
    } window;
    ASSERT_TRUE(window.create({.rect = rectAt(0, 0, 30, 20), .visible = true}));
    driver.runUntilIdle();
    TempFolder folder;
    ASSERT_TRUE(driver.saveSurface(window, folder.file("surface.png")));
    const Image saved = Image::fromFile(folder.file("surface.png"));
    EXPECT_EQ(saved.size(), (Size{30, 20}));
    EXPECT_EQ(colorOf(saved.pixel(29, 19)), RGB(5, 16, 38));
    EXPECT_GE(driver.record(window).presents, 1);
}

TEST_F(DeviceContextTest, PaintOnlyTouchesTheInvalidPart) {
    struct Painted : Window {
        COLORREF colour = RGB(10, 10, 10);
        LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
            if (message == WM_PAINT) {
                PaintDC dc(*this);
                dc.fillRect(clientRect(), colour);
                return 0;
            }
            return DefWindowProc(message, w, l);
        }
    } window;
    ASSERT_TRUE(window.create({.rect = rectAt(0, 0, 30, 20), .visible = true}));
    driver.runUntilIdle();
    window.colour = RGB(200, 0, 0);
    window.invalidate(rectAt(5, 5, 5, 5));
    driver.runUntilIdle();
    EXPECT_EQ(colorOf(window.surface().pixel(5, 5)), RGB(200, 0, 0));
    EXPECT_EQ(colorOf(window.surface().pixel(10, 5)), RGB(10, 10, 10));
}

}  // namespace
