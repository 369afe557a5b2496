#include <gtest/gtest.h>

#include <filesystem>

#include "ToolkitFixture.h"
#include "keyboard/resources/MainWindowLayout.h"
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

namespace {

using ui::Rect;

Rect Place(const layout::LayoutRect& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

class SkinnedWindowPictureTest : public ToolkitFixture {};

// The main window's skin with its always-visible controls, from the embedded
// pictures: kept as a picture to look at, and checked for shape and looks.
TEST_F(SkinnedWindowPictureTest, EmbeddedPicturesDrawTheMainWindowSkin) {
    dialog.resize({layout::kMainWidth, layout::kMainHeight});
    dialog.SetBackground(129);
    dialog.SetShapeFromBitmap(129);
    EXPECT_EQ(dialog.BackgroundSize(), (ui::Size{805, 588}));
    EXPECT_FALSE(driver.record(dialog).shape.isEmpty());

    for (const auto& place :
         {layout::kOkButton, layout::kApplyButton, layout::kHideButton, layout::kCloseButton,
          layout::kMinimiseButton, layout::kResetCurrentButton, layout::kResetAllButton}) {
        EXPECT_TRUE(
            Add<CImageButton>(1, place.id, Place(place.rect))->SetImage(static_cast<int>(place.image)));
    }
    auto* combo =
        dialog.AddControl(3, std::make_unique<CComboButton>(&dialog, 1037, layout::kGKeyCombos[0].id,
                                                            Place(layout::kGKeyCombos[0].rect)));
    EXPECT_TRUE(combo->SetImage(266));
    auto* check = Add<CCheckButton>(1, layout::kLoopCheck.id, Place(layout::kLoopCheck.rect));
    EXPECT_TRUE(check->SetImage(156));
    check->m_checked = ui::TRUE;
    dialog.invalidate();
    driver.runUntilIdle();
    driver.mouseMove(dialog, {layout::kApplyButton.rect.left + 5, layout::kApplyButton.rect.top + 5});

    std::filesystem::create_directories(QUELDA_ARTEFACTS_DIR);
    EXPECT_TRUE(driver.saveSurface(dialog, std::string(QUELDA_ARTEFACTS_DIR) + "/toolkit-main-skin.png"));
}

}  // namespace
