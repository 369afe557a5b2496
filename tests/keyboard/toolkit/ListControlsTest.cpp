#include <gtest/gtest.h>

#include "ToolkitFixture.h"
#include "keyboard/toolkit/CStaticText.h"
#include "keyboard/toolkit/CTabControl.h"
#include "keyboard/toolkit/CVScrollBar.h"

namespace {

using ui::Rect;

class ScrollBarTest : public ToolkitFixture {
protected:
    // 16 × 100 bar with 10-pixel arrows: the track runs from y 10 to 90.
    CVScrollBar* Bar() {
        auto* bar = Add<CVScrollBar>(1, 2115, Rect{100, 0, 116, 100});
        bar->SetArrowImages(FrameStrip(3, 16, 10), FrameStrip(3, 16, 10));
        return bar;
    }
    int ThumbLength(const CVScrollBar& bar) { return bar.ThumbRect().bottom - bar.ThumbRect().top + 1; }
};

TEST_F(ScrollBarTest, ThumbLengthFollowsPageOverTotal) {
    CVScrollBar* bar = Bar();
    const int track = bar->TrackRect().bottom - bar->TrackRect().top + 1;
    bar->SetScroll(0, 15, 1);
    EXPECT_EQ(bar->ThumbRect().top, bar->TrackRect().top);
    EXPECT_EQ(bar->ThumbRect().bottom, bar->TrackRect().bottom);

    bar->SetScroll(0, 15, 30);
    EXPECT_EQ(ThumbLength(*bar), track / 2);
    bar->SetScroll(15, 15, 30);
    EXPECT_EQ(bar->ThumbRect().top, bar->TrackRect().top + track / 2);

    bar->SetScroll(3, 1, 0);  // nothing to scroll: the whole track
    EXPECT_EQ(bar->ThumbRect().bottom, bar->TrackRect().bottom);
}

TEST_F(ScrollBarTest, DraggingToTheBottomReportsTheLastPageAndReleaseSnaps) {
    CVScrollBar* bar = Bar();
    bar->SetScroll(0, 15, 30);
    int grab = bar->ThumbRect().top + 2;
    driver.mouseMove(dialog, {105, grab});
    driver.mouseDown(dialog, {105, grab});
    EXPECT_EQ(dialog.received.back(), (Notification{2115, CVScrollBar::kThumb, kNotifyPressed}));

    driver.mouseMove(dialog, {105, 60});
    driver.mouseMove(dialog, {105, 99});
    EXPECT_EQ(bar->DragRect().bottom, bar->TrackRect().bottom);
    EXPECT_EQ(bar->Position(), 15);
    EXPECT_EQ(CodesFrom(2115).back(), kNotifyThumbDragged);

    // Dragged to 52: position 13; the release puts the thumb at 13's exact place.
    driver.mouseMove(dialog, {105, 52 + 2});
    int position = bar->Position();
    driver.mouseUp(dialog, {105, 54});
    EXPECT_FALSE(bar->IsDragging());
    const int track = bar->TrackRect().bottom - bar->TrackRect().top + 1;
    EXPECT_EQ(bar->ThumbRect().top, bar->TrackRect().top + (position * track * 2 + 30) / 60);
    EXPECT_EQ(CodesFrom(2115).back(), kNotifyClicked);
}

// A drag let go of beside the bar is over: coming back over the bar with no
// button held moves nothing.
TEST_F(ScrollBarTest, ReleaseOutsideTheBarEndsTheDrag) {
    CVScrollBar* bar = Bar();
    bar->SetScroll(0, 15, 30);
    int grab = bar->ThumbRect().top + 2;
    driver.mouseMove(dialog, {105, grab});
    driver.mouseDown(dialog, {105, grab});
    driver.mouseMove(dialog, {105, 40});
    const int position = bar->Position();
    driver.mouseUp(dialog, {300, 40});
    EXPECT_FALSE(bar->IsDragging());

    const std::size_t notifications = CodesFrom(2115).size();
    driver.mouseMove(dialog, {105, 80});
    EXPECT_EQ(bar->Position(), position);
    EXPECT_EQ(CodesFrom(2115).size(), notifications);
}

TEST_F(ScrollBarTest, PressesReportTheirPart) {
    CVScrollBar* bar = Bar();
    bar->SetScroll(10, 5, 30);
    struct Case {
        int y;
        ui::WPARAM part;
    } cases[] = {{2, CVScrollBar::kUpArrow},
                 {97, CVScrollBar::kDownArrow},
                 {12, CVScrollBar::kTrackAbove},
                 {bar->ThumbRect().top + 1, CVScrollBar::kThumb},
                 {85, CVScrollBar::kTrackBelow}};
    for (const auto& c : cases) {
        driver.advance(std::chrono::seconds(1));
        driver.mouseMove(dialog, {105, c.y});
        driver.mouseDown(dialog, {105, c.y});
        EXPECT_EQ(dialog.received.back().wParam, c.part) << c.y;
        driver.mouseUp(dialog, {105, c.y});
    }
}

TEST_F(ToolkitFixture, TabIsSelectedBeforeTheWindowHearsOfTheClick) {
    g_currentProfile = 0;
    auto* first = Add<CTabControl>(1, 2049, Rect{0, 0, 40, 20});
    auto* second = Add<CTabControl>(1, 2050, Rect{50, 0, 90, 20});
    bool selectedWhenNotified = false;
    dialog.onNotify = [&](const Notification& n) {
        if (n.message == 2050 && n.lParam == kNotifyClicked)
            selectedWhenNotified = second->IsSelected();
    };
    driver.click(dialog, {60, 10});
    EXPECT_TRUE(selectedWhenNotified);
    EXPECT_EQ(g_currentProfile, 1);
    EXPECT_EQ(second->CurrentFrame(), 2);
    EXPECT_FALSE(first->IsSelected());
    EXPECT_EQ(CodesFrom(2050), (std::vector<ui::LPARAM>{kNotifyPressed, kNotifyClicked}));
    g_currentProfile = 0;
}

TEST_F(ToolkitFixture, StaticTextReportsPressAndClick) {
    Add<CStaticText>(1, 2120, Rect{0, 0, 80, 20}, ui::RGB(255, 255, 255), CStaticText::kCentred, "Profile");
    driver.click(dialog, {10, 10});
    EXPECT_EQ(CodesFrom(2120), (std::vector<ui::LPARAM>{kNotifyPressed, kNotifyClicked}));
}

}  // namespace
