#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "keyboard/dialogs/COSDDialog.h"

namespace {

using COSDDialogTest = DialogFixture;

TEST_F(COSDDialogTest, SevenStatusCodesHaveTextsAndOthersNone) {
    const struct {
        std::uint32_t code;
        std::string_view text;
    } cases[] = {
        {0, ""},
        {1, "Current Profile:1"},
        {2, "Current Profile:2"},
        {3, "Current Profile:3"},
        {4, "Windows Key Status:Disable"},
        {5, "Windows Key Status:Enable"},
        {6, "All Key Status:Disable"},
        {7, "All Key Status:Enable"},
        {8, ""},
        {0xFFFFFFFFu, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OsdStatusText(c.code), c.text) << c.code;
    }
}

// Bottom-right of the work area (not of the screen), above everything, half
// transparent, and the window the user works in keeps the focus.
TEST_F(COSDDialogTest, OpensTopmostAtTheWorkAreasCornerWithoutTakingTheFocus) {
    driver.setWorkArea(ui::rectAt(0, 40, 1280, 984));
    driver.activate(owner);
    COSDDialog display;
    ASSERT_TRUE(display.Open());
    driver.runUntilIdle();

    const ui::headless::WindowRecord& record = driver.record(display);
    EXPECT_EQ(record.screenRect, ui::rectAt(980, 968, 300, 56));
    EXPECT_TRUE(record.visible);
    EXPECT_TRUE(record.topmost);
    EXPECT_TRUE(record.toolWindow);
    EXPECT_FALSE(record.activates);
    EXPECT_EQ(record.alpha, COSDDialog::kAlpha);
    EXPECT_TRUE(owner.isActive());
    EXPECT_EQ(driver.visibleWindows().back(), &display);
}

// The fill everywhere, white text from (30,14) on; the text is replaced, not drawn over.
TEST_F(COSDDialogTest, PaintsWhiteTextOnItsColourFromTheTextOrigin) {
    COSDDialog display;
    ASSERT_TRUE(display.Open());
    display.SetText("Windows Key Status:Disable");
    driver.runUntilIdle();
    SaveArtefact(display, "osd_windows_key.png");
    display.SetText("Current Profile:1");
    driver.runUntilIdle();
    SaveArtefact(display, "osd_profile.png");

    const ui::Image picture = driver.surface(display);
    ASSERT_EQ(picture.width(), 300);
    ASSERT_EQ(picture.height(), 56);
    int white = 0;
    int whiteOutsideText = 0;
    int whitePastShortText = 0;
    int strayOutsideText = 0;  // neither the fill nor the text's colour
    for (int y = 0; y < 56; ++y) {
        for (int x = 0; x < 300; ++x) {
            const ui::COLORREF pixel = ui::colorOf(picture.pixel(x, y));
            const bool isWhite = ui::GetRValue(pixel) > 200 && ui::GetGValue(pixel) > 200;
            white += isWhite;
            whiteOutsideText += isWhite && (x < 30 || y < 14 || y >= 14 + 24);
            whitePastShortText += isWhite && x >= 250;
            strayOutsideText += !isWhite && pixel != COSDDialog::kBackground && (x < 30 || y < 14);
        }
    }
    EXPECT_GT(white, 100);
    EXPECT_EQ(whiteOutsideText, 0);
    EXPECT_EQ(strayOutsideText, 0);
    EXPECT_EQ(whitePastShortText, 0);  // nothing left of the longer text
    EXPECT_EQ(ui::colorOf(picture.pixel(299, 55)), COSDDialog::kBackground);
}

}  // namespace
