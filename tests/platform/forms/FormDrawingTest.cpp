#include "TestForm.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TShape.h"
#include "support/TempFolder.h"

using namespace forms;

namespace {

constexpr ui::Argb kBackdrop = 0xFF0000A0u;  // the backdrop picture's blue
constexpr ui::Argb kWhite = 0xFFFFFFFFu;

using FormDrawingTest = TestFormFixture;

TEST_F(FormDrawingTest, ATransparentLabelDrawsItsCaptionOverTheImageBelow) {
    const auto& label = get<TLabel>("SXLabel");
    const ui::Rect r = label.FormRect();
    ASSERT_GT(r.width(), 5) << "auto-sized to its caption";
    int text = 0;
    int backdrop = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const ui::Argb p = pixel(x, y);
            text += p == 0xFFFFFF00u ? 1 : 0;  // yellow
            backdrop += p == kBackdrop ? 1 : 0;
        }
    }
    EXPECT_GT(text, 10) << "the caption is drawn";
    EXPECT_GT(backdrop, r.width() * r.height() / 3) << "the image shows between the letters";
}

TEST_F(FormDrawingTest, AnOpaqueLabelFillsItsBackground) {
    auto& label = get<TLabel>("SXLabel");
    label.SetTransparent(false);
    label.SetColor(clWhite);
    driver.runUntilIdle();
    const ui::Rect r = label.FormRect();
    EXPECT_EQ(pixel(r.left, r.top), kWhite);
}

TEST_F(FormDrawingTest, PicturesOfEachFormatAreDrawnAndATransparentBitmapLosesItsKeyColour) {
    const auto& keyed = get<TImage>("KeyedImage");
    EXPECT_EQ(keyed.Width(), 20) << "AutoSize takes the picture's size";
    const ui::Rect k = keyed.FormRect();
    EXPECT_EQ(pixel(k.left + 1, k.top + 1), kWhite) << "magenta, the bottom-left colour, is left out";
    EXPECT_EQ(pixel(k.left + 10, k.top + 10), 0xFF00C800u);

    const ui::Rect photo = get<TImage>("PhotoImage").FormRect();
    ASSERT_EQ(photo.width(), 24);
    const ui::Argb left = pixel(photo.left + 3, photo.top + 8);
    const ui::Argb right = pixel(photo.left + 20, photo.top + 8);
    EXPECT_GT((left >> 16) & 0xFF, 200u) << "the JPEG's orange half";
    EXPECT_GT(right & 0xFF, 200u) << "the JPEG's blue half";

    const ui::Rect badge = get<TImage>("BadgeImage").FormRect();
    EXPECT_EQ(pixel(badge.left, badge.top), kWhite) << "the PNG's transparent corner";
    EXPECT_EQ(pixel(badge.left + 8, badge.top + 8), 0xFFDC2828u);
}

TEST_F(FormDrawingTest, ShapesFillWithTheBrushAndOutlineWithThePen) {
    form.Find<TControl>("EQ300Slider")->Hide();  // windowed: it would lie above the shape
    auto& shape = form.Add<TShape>("Swatch");
    shape.SetBounds(0, 70, 40, 20);
    shape.SetBrushColor(clRed);
    shape.SetPen({clBlue, 3});
    driver.runUntilIdle();
    EXPECT_EQ(pixel(1, 71), 0xFF0000FFu) << "the pen, 3 pixels wide";
    EXPECT_EQ(pixel(20, 80), 0xFFFF0000u) << "the brush inside";

    shape.SetShape(TShapeType::stCircle);  // a 20 x 20 circle centred in the 40 x 20 control
    driver.runUntilIdle();
    EXPECT_EQ(pixel(1, 71), kWhite) << "outside the circle the form shows";
    EXPECT_EQ(pixel(10, 71), kWhite);
    EXPECT_EQ(pixel(20, 80), 0xFFFF0000u);
    EXPECT_EQ(pixel(20, 71), 0xFF0000FFu) << "the top of the circle's outline";
}

TEST_F(FormDrawingTest, OneAmpersandUnderlinesTheNextCharacterAndTwoShowOne) {
    form.Find<TControl>("EQ300Slider")->Hide();
    auto& label = form.Add<TLabel>("AccelLabel");
    label.SetBounds(0, 70, 10, 10);
    label.SetColor(clWhite);
    label.SetCaption("&&&W");  // shows "&W", the W underlined
    driver.runUntilIdle();
    const ui::Font font = layerFont(label.Font());
    const int ampersand = font.textExtent("&").width;
    const int underline = label.Top() + font.ascent() + 1;
    EXPECT_EQ(label.Width(), font.textExtent("&W").width) << "sized to the shown text";
    EXPECT_EQ(pixel(ampersand + 2, underline), 0xFF000000u) << "under the W";
    EXPECT_EQ(pixel(1, underline), kWhite) << "not under the ampersand";
}

// A skin applied again loads every picture again: the same file keeps its
// picture, a file written since gives its new one.
TEST_F(FormDrawingTest, APictureFileLoadedAgainShowsWhatTheFileHoldsNow) {
    TempFolder folder;
    const std::string path = folder.file("button.png");
    auto& image = get<TImage>("KeyedImage");
    image.SetAutoSize(true);
    ASSERT_TRUE(ui::Image(4, 3, 0xFFC80000u).savePng(path));
    ASSERT_TRUE(image.LoadPicture(path));
    EXPECT_EQ(image.PictureSize(), (ui::Size{4, 3}));
    ASSERT_TRUE(image.LoadPicture(path));
    driver.runUntilIdle();
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(pixel(image.FormRect().left + 1, image.FormRect().top + 1), 0xFFC80000u);

    ASSERT_TRUE(ui::Image(6, 2, 0xFF00C800u).savePng(path));
    ASSERT_TRUE(image.LoadPicture(path));
    driver.runUntilIdle();
    EXPECT_EQ(image.Width(), 6);
    EXPECT_EQ(image.Picture().size(), (ui::Size{6, 2}));
    EXPECT_EQ(pixel(image.FormRect().left + 1, image.FormRect().top + 1), 0xFF00C800u);

    folder.write("broken.png", "not a picture");
    EXPECT_FALSE(image.LoadPicture(folder.file("broken.png")));
    EXPECT_TRUE(image.Picture().isNull());
}

TEST_F(FormDrawingTest, HiddenControlsAreNotDrawn) {
    get<TImage>("EQResetImage").Hide();
    driver.runUntilIdle();
    EXPECT_EQ(pixel(80, 50), kWhite);
}

}  // namespace
