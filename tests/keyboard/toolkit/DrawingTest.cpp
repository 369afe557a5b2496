#include <gtest/gtest.h>

#include <filesystem>

#include "ToolkitFixture.h"
#include "keyboard/toolkit/CCheckButton.h"
#include "keyboard/toolkit/CComboButton.h"
#include "keyboard/toolkit/CImageButton.h"
#include "keyboard/toolkit/ControlDrawing.h"

namespace {

using ui::Rect;

TEST(ColourKeyBlitTest, LeavesOutKeyPixelsAndScalesByNearestPixel) {
    const ui::COLORREF key = ui::RGB(255, 0, 255);
    // 3 × 2 source: key pixels at (1, 0) and (0, 1).
    ui::MemoryDC source(3, 2);
    const ui::COLORREF colours[2][3] = {{ui::RGB(10, 0, 0), key, ui::RGB(30, 0, 0)},
                                        {key, ui::RGB(50, 0, 0), ui::RGB(60, 0, 0)}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            source.setPixel(x, y, colours[y][x]);

    const ui::COLORREF back = ui::RGB(0, 0, 200);
    ui::MemoryDC destination(6, 4, ui::argbOf(back));
    ASSERT_TRUE(TransparentBlitKey(destination, 0, 0, 6, 4, source, 0, 0, 3, 2, key));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            ui::COLORREF expected = colours[y / 2][x / 2] == key ? back : colours[y / 2][x / 2];
            EXPECT_EQ(destination.getPixel(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_FALSE(TransparentBlitKey(destination, 0, 0, 0, 4, source, 0, 0, 3, 2, key));
    EXPECT_FALSE(TransparentBlitKey(destination, 0, 0, 6, 4, source, 0, 0, 3, 0, key));
}

class DialogPictureTest : public ToolkitFixture {};

// A small dialog drawn headless and kept as a picture to look at.
TEST_F(DialogPictureTest, DialogPaintsItsControlsIntoTheWindow) {
    auto* ok = Add<CImageButton>(1, 2046, Rect{20, 150, 100, 180});
    ok->SetStripImage(FrameStrip(3, 80, 30));
    auto* check = Add<CCheckButton>(1, 2111, Rect{20, 20, 40, 40});
    check->SetStripImage(FrameStrip(7, 20, 20));
    check->m_checked = ui::TRUE;
    dialog.AddControl(1, std::make_unique<CComboButton>(&dialog, 1037, 2078, Rect{60, 20, 200, 46}))
        ->SetStripImage(FrameStrip(5, 140, 26));
    dialog.invalidate();
    driver.runUntilIdle();

    ui::Image surface = driver.surface(dialog);
    EXPECT_EQ(FrameAt(surface, 25, 155), 0);
    EXPECT_EQ(FrameAt(surface, 25, 25), 3);

    driver.mouseMove(dialog, {30, 160});
    EXPECT_EQ(FrameAt(driver.surface(dialog), 25, 155), 1);

    std::filesystem::create_directories(QUELDA_ARTEFACTS_DIR);
    EXPECT_TRUE(driver.saveSurface(dialog, std::string(QUELDA_ARTEFACTS_DIR) + "/toolkit-dialog.png"));
}

}  // namespace
