#include <gtest/gtest.h>

#include "ToolkitFixture.h"
#include "keyboard/toolkit/CCheckButton.h"
#include "keyboard/toolkit/CComboButton.h"
#include "keyboard/toolkit/CImageButton.h"
#include "keyboard/toolkit/CKeyboardButton.h"
#include "keyboard/toolkit/CLinkButton.h"
#include "keyboard/toolkit/CRadioButton.h"
#include "keyboard/toolkit/CRegionButton.h"

namespace {

using ui::Rect;

class ButtonTest : public ToolkitFixture {};

TEST_F(ButtonTest, SetTextRepaintsExactlyTheControlOnlyWhenTheTextChanges) {
    auto* button = Add<CImageButton>(1, 2046, Rect{20, 30, 60, 50});
    button->SetText("OK");
    driver.runUntilIdle();

    button->SetText("OK");
    EXPECT_TRUE(dialog.invalidBounds().isEmpty());
    button->SetText("APPLY");
    Rect invalid = dialog.invalidBounds();
    EXPECT_EQ(invalid.left, 20);
    EXPECT_EQ(invalid.top, 30);
    EXPECT_EQ(invalid.right, 60);
    EXPECT_EQ(invalid.bottom, 50);
}

TEST_F(ButtonTest, ClickSendsPressThenClickAndPressOutsideReleaseInsideSendsNoClick) {
    Add<CImageButton>(1, 2046, Rect{20, 20, 60, 40});
    driver.click(dialog, {30, 30});
    EXPECT_EQ(CodesFrom(2046), (std::vector<ui::LPARAM>{kNotifyPressed, kNotifyClicked}));

    dialog.received.clear();
    driver.mouseMove(dialog, {100, 100});
    driver.mouseDown(dialog, {100, 100});
    driver.mouseMove(dialog, {30, 30});
    driver.mouseUp(dialog, {30, 30});
    EXPECT_TRUE(CodesFrom(2046).empty());
}

TEST_F(ButtonTest, DisabledButtonsIgnoreTheMouseAndSendNothing) {
    std::vector<CButtonBase*> buttons = {
        Add<CImageButton>(1, 2001, Rect{0, 0, 20, 20}),     Add<CCheckButton>(1, 2002, Rect{30, 0, 50, 20}),
        Add<CKeyboardButton>(1, 2003, Rect{60, 0, 80, 20}), Add<CRadioButton>(1, 2013, Rect{90, 0, 110, 20}),
        Add<CLinkButton>(1, 0, Rect{120, 0, 140, 20}),
    };
    dialog.AddControl(1, std::make_unique<CComboButton>(&dialog, 1037, 2078, Rect{150, 0, 170, 20}));
    buttons.push_back(static_cast<CButtonBase*>(dialog.FindControl(2078)));
    for (auto* button : buttons) {
        button->SetDisabled(ui::TRUE);
        Rect r = button->GetRect();
        EXPECT_FALSE(button->OnMouseMove(0, r.left + 1, r.top + 1));
        EXPECT_FALSE(button->OnLButtonDown(0, r.left + 1, r.top + 1));
        EXPECT_FALSE(button->OnLButtonUp(0, r.left + 1, r.top + 1));
        EXPECT_EQ(button->GetState(), ButtonState::normal);
    }
    EXPECT_TRUE(dialog.received.empty());
}

TEST_F(ButtonTest, CheckButtonFramesFollowStateCheckAndDisable) {
    auto* check = Add<CCheckButton>(1, 2111, Rect{10, 10, 30, 30});
    struct Case {
        int state;  // reached by the mouse
        bool checked;
        int frame;
    } cases[] = {{0, false, 0}, {1, false, 1}, {2, false, 2}, {0, true, 3}, {1, true, 4}, {2, true, 5}};
    for (const auto& c : cases) {
        check->m_checked = c.checked;
        check->OnMouseMove(0, c.state == 0 ? 100 : 15, 15);
        if (c.state == 2)
            check->OnLButtonDown(0, 15, 15);
        EXPECT_EQ(check->CurrentFrame(), c.frame) << c.state << " " << c.checked;
        check->OnLButtonUp(0, 100, 100);  // back to normal without a click
    }
    check->m_checked = ui::TRUE;
    check->SetDisabled(ui::TRUE);
    EXPECT_EQ(check->CurrentFrame(), 6);
    check->SetDisabled(ui::FALSE);
    EXPECT_EQ(check->CurrentFrame(), 3);
}

TEST_F(ButtonTest, CheckButtonDraggedOutBeforeReleaseStaysAsItWas) {
    auto* check = Add<CCheckButton>(1, 2112, Rect{10, 10, 30, 30});
    driver.mouseMove(dialog, {15, 15});
    driver.mouseDown(dialog, {15, 15});
    driver.mouseMove(dialog, {200, 150});
    driver.mouseUp(dialog, {200, 150});
    EXPECT_FALSE(check->m_checked);
    EXPECT_EQ(CodesFrom(2112), (std::vector<ui::LPARAM>{kNotifyPressed}));

    driver.click(dialog, {15, 15});
    EXPECT_TRUE(check->m_checked);
}

TEST_F(ButtonTest, RadioButtonsShareTheGlobalWord) {
    g_radioState = kRadioStateInitial;
    auto* first = Add<CRadioButton>(1, 2013, Rect{10, 10, 30, 30});
    auto* second = Add<CRadioButton>(1, 2014, Rect{40, 10, 60, 30});
    auto* stray = Add<CRadioButton>(1, 2099, Rect{70, 10, 90, 30});
    EXPECT_TRUE(first->IsSelected());
    EXPECT_FALSE(second->IsSelected());

    driver.click(dialog, {50, 15});
    EXPECT_EQ(g_radioState, (kRadioStateInitial & ~0x80u) | 0x100u);
    EXPECT_EQ(second->CurrentFrame(), 2);

    driver.advance(std::chrono::seconds(1));  // not a double click
    driver.click(dialog, {50, 15});           // already selected: stays, still reports
    EXPECT_TRUE(second->IsSelected());
    EXPECT_EQ(CodesFrom(2014).size(), 4u);

    ui::UINT before = g_radioState;
    driver.click(dialog, {80, 15});
    EXPECT_EQ(g_radioState, before);
    EXPECT_FALSE(stray->IsSelected());
    g_radioState = kRadioStateInitial;
}

TEST_F(ButtonTest, ComboShowsDisableAndAsksToOpenWithItsOwnMessage) {
    auto* combo =
        dialog.AddControl(3, std::make_unique<CComboButton>(&dialog, 1037, 2079, Rect{10, 10, 110, 36}));
    EXPECT_EQ(combo->m_displayText, "Disable");
    driver.mouseMove(dialog, {20, 20});
    driver.click(dialog, {20, 20});
    ASSERT_EQ(dialog.received.size(), 2u);
    EXPECT_EQ(dialog.received[0], (Notification{2079, 0, kNotifyPressed}));
    EXPECT_EQ(dialog.received[1], (Notification{1037, 2079, kNotifyClicked}));
    combo->m_open = ui::TRUE;
    combo->OnMouseMove(0, 500, 500);
    EXPECT_EQ(combo->CurrentFrame(), 1);
}

TEST_F(ButtonTest, KeyboardButtonLooksModifiedOnlyAtRestAndReportsItsId) {
    auto* key = Add<CKeyboardButton>(1, 2248, Rect{10, 10, 40, 40});
    key->SetKey("A", 0x04, 0x04);
    EXPECT_EQ(key->CurrentFrame(), 0);
    key->SetKey("A", 0x04, 0x05);
    EXPECT_EQ(key->m_keyId, 2248u);
    EXPECT_EQ(key->CurrentFrame(), 2);
    key->OnMouseMove(0, 20, 20);
    EXPECT_EQ(key->CurrentFrame(), 1);

    driver.click(dialog, {20, 20});
    EXPECT_EQ(dialog.received.back(), (Notification{2248, 2248, kNotifyClicked}));
}

TEST_F(ButtonTest, LinkButtonIsAlways2060AndReportsEnterAndLeave) {
    auto* link = Add<CLinkButton>(1, 1234, Rect{10, 10, 60, 30});
    EXPECT_EQ(link->GetId(), 2060u);
    driver.mouseMove(dialog, {20, 20});
    driver.mouseMove(dialog, {25, 20});
    driver.mouseMove(dialog, {200, 150});
    EXPECT_EQ(CodesFrom(2060), (std::vector<ui::LPARAM>{kNotifyMouseEntered, kNotifyMouseLeft}));
}

TEST_F(ButtonTest, StripFramesUseTheTruncatedWidthAndScaleIntoTheRectangle) {
    auto* button = Add<CImageButton>(1, 2046, Rect{0, 0, 20, 20});
    button->SetStripImage(FrameStrip(3, 10, 10, 2));  // 32 pixels: the last two never show
    EXPECT_EQ(button->Strip().FrameWidth(), 10);

    ui::MemoryDC dc(20, 20);
    for (int frame : {0, 2}) {
        button->Strip().DrawFrame(dc, frame, Rect{0, 0, 20, 20});
        EXPECT_EQ(FrameAt(dc.image(), 0, 0), frame);
        EXPECT_EQ(FrameAt(dc.image(), 19, 19), frame);
    }
}

TEST_F(ButtonTest, MissingImageResourceLeavesTheButtonDrawingNothing) {
    auto* button = Add<CImageButton>(1, 2046, Rect{0, 0, 20, 20});
    EXPECT_FALSE(button->SetImage(987654));
    EXPECT_EQ(button->Strip().FrameWidth(), 0);
    ui::MemoryDC dc(20, 20, 0xFF123456u);
    button->Draw(dc, Rect{0, 0, 20, 20});
    EXPECT_EQ(dc.image().pixel(5, 5), 0xFF123456u);
}

}  // namespace
