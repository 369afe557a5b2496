#include <gtest/gtest.h>

#include "ToolkitFixture.h"
#include "keyboard/toolkit/CImageButton.h"
#include "keyboard/toolkit/CWndPopup.h"
#include "keyboard/toolkit/ControlDrawing.h"

namespace {

using ui::Rect;

class DialogBaseTest : public ToolkitFixture {};

TEST_F(DialogBaseTest, PressOnBackgroundDragsTheWindowButNotOnADisabledControl) {
    auto* button = Add<CImageButton>(1, 2046, Rect{20, 20, 60, 40});
    driver.mouseMove(dialog, {150, 150});
    driver.mouseDown(dialog, {150, 150});
    driver.mouseUp(dialog, {150, 150});
    EXPECT_EQ(driver.record(dialog).systemMoves, 1);

    button->SetDisabled(ui::TRUE);
    driver.mouseMove(dialog, {30, 30});
    driver.mouseDown(dialog, {30, 30});
    driver.mouseUp(dialog, {30, 30});
    EXPECT_EQ(driver.record(dialog).systemMoves, 1);
    EXPECT_EQ(dialog.HoveredControl(), button);
    EXPECT_TRUE(dialog.received.empty());
}

TEST_F(DialogBaseTest, HoverStaysWithThePressedControlAndReleaseOutsideClearsIt) {
    auto* pressed = Add<CImageButton>(1, 2046, Rect{20, 20, 60, 40});
    auto* other = Add<CImageButton>(1, 2047, Rect{80, 20, 120, 40});
    driver.mouseMove(dialog, {30, 30});
    driver.mouseDown(dialog, {30, 30});
    driver.mouseMove(dialog, {90, 30});
    EXPECT_EQ(dialog.HoveredControl(), pressed);
    EXPECT_EQ(other->GetState(), ButtonState::normal);

    driver.mouseUp(dialog, {90, 30});
    EXPECT_EQ(dialog.HoveredControl(), nullptr);
    EXPECT_EQ(dialog.LastMousePoint(), (ui::Point{-1, -1}));
    EXPECT_EQ(CodesFrom(2046), (std::vector<ui::LPARAM>{kNotifyPressed}));
    EXPECT_TRUE(CodesFrom(2047).empty());
}

TEST_F(DialogBaseTest, OverlapHoversTheLaterControlButFindsTheEarlierOne) {
    auto* early = Add<CImageButton>(1, 2100, Rect{20, 20, 80, 60});
    auto* late = Add<CImageButton>(2, 2100, Rect{40, 30, 100, 70});
    driver.mouseMove(dialog, {50, 40});
    EXPECT_EQ(dialog.HoveredControl(), late);
    EXPECT_EQ(dialog.FindControl(2100), early);
}

TEST_F(DialogBaseTest, DoubleClickGivesOnePressAndTwoClicks) {
    Add<CImageButton>(1, 2046, Rect{20, 20, 60, 40});
    driver.mouseMove(dialog, {30, 30});
    driver.mouseDown(dialog, {30, 30});
    driver.mouseUp(dialog, {30, 30});
    driver.mouseDown(dialog, {30, 30});  // arrives as a double click
    driver.mouseUp(dialog, {30, 30});
    EXPECT_EQ(CodesFrom(2046), (std::vector<ui::LPARAM>{kNotifyPressed, kNotifyClicked, kNotifyClicked}));
}

TEST(WindowShapeTest, ShapeIsEverythingThatIsNotYellow) {
    ui::Image picture(6, 2, ui::argbOf(ui::RGB(255, 255, 0)));
    for (int x = 1; x < 4; ++x)
        picture.setPixel(x, 0, 0xFF000000u);
    picture.setPixel(5, 1, 0xFF00FF00u);
    std::vector<Rect> rects = ShapeFromBitmap(picture).rects();
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].left, 1);
    EXPECT_EQ(rects[0].right, 4);
    EXPECT_EQ(rects[1].left, 5);
    EXPECT_EQ(rects[1].top, 1);
    EXPECT_TRUE(ShapeFromBitmap(ui::Image()).isEmpty());
}

// A popup that counts how often it was deleted.
class CountingPopup : public CWndPopup {
public:
    explicit CountingPopup(int& deleted, int kind) : deleted_(deleted) { m_kind = kind; }
    ~CountingPopup() override { ++deleted_; }

protected:
    void BuildItems() override { resize({80, 40}); }

private:
    int& deleted_;
};

TEST_F(DialogBaseTest, PopupReportsLostActivationByKindAndClosingDeletesIt) {
    int deleted = 0;
    auto* popup = new CountingPopup(deleted, 2);
    ASSERT_TRUE(popup->Open(&dialog, Rect{100, 100, 180, 140}, 1040, 2078));
    dialog.SetPopup(2, popup);
    driver.runUntilIdle();
    EXPECT_TRUE(driver.record(*popup).topmost);

    driver.click(dialog, {150, 150});  // activation goes back to the dialog
    EXPECT_EQ(dialog.received.at(0), (Notification{1042, 2078, 2}));

    dialog.ClosePopup(2);
    driver.runUntilIdle();
    EXPECT_EQ(dialog.received.back(), (Notification{CWndPopup::kClosedMessage, 0, 0}));
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(dialog.Popup(2), nullptr);
}

TEST_F(DialogBaseTest, PopupDrawsItsTwoBorderColours) {
    int deleted = 0;
    auto* popup = new CountingPopup(deleted, 0);
    ASSERT_TRUE(popup->Open(&dialog, Rect{10, 10, 90, 50}, 1028, 2200));
    driver.runUntilIdle();
    ui::Image surface = driver.surface(*popup);
    EXPECT_EQ(surface.pixel(0, 0) & 0xFFFFFFu, ui::argbOf(ui::RGB(185, 210, 107)) & 0xFFFFFFu);
    EXPECT_EQ(surface.pixel(5, 5) & 0xFFFFFFu, ui::argbOf(ui::RGB(161, 172, 128)) & 0xFFFFFFu);
    popup->destroy();
    EXPECT_EQ(deleted, 1);
}

}  // namespace
