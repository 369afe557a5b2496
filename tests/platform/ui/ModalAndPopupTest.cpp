#include <gtest/gtest.h>

#include "RecordingWindow.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/headless/Driver.h"

using namespace ui;
using namespace std::chrono_literals;

namespace {

class TestDialog : public Dialog {
public:
    using Dialog::Dialog;
    std::vector<UINT> log;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITDIALOG || message == WM_DESTROY) {
            log.push_back(message);
        }
        return Dialog::WindowProc(message, wParam, lParam);
    }
};

class ModalTest : public ::testing::Test {
protected:
    headless::Driver driver;
    RecordingWindow main;
    void SetUp() override { ASSERT_TRUE(main.openAt(rectAt(0, 0, 300, 200))); }
};

TEST_F(ModalTest, NestedModalRunsEndInsideOutWithTheirOwnResults) {
    std::vector<std::string> steps;
    TestDialog outer(&main);
    TestDialog inner(&outer);
    driver.answerModal([&](Window& dialog) {
        steps.push_back("outer shown");
        EXPECT_EQ(&dialog, &outer);
        EXPECT_FALSE(main.isEnabled());
        const int innerResult = inner.DoModal();
        steps.push_back("inner returned " + std::to_string(innerResult));
        outer.EndDialog(7);
    });
    driver.answerModal([&](Window& dialog) {
        steps.push_back("inner shown");
        EXPECT_EQ(&dialog, &inner);
        EXPECT_FALSE(outer.isEnabled());
        inner.EndDialog(5);
    });

    const int result = outer.DoModal();

    EXPECT_EQ(result, 7);
    EXPECT_EQ(steps, (std::vector<std::string>{"outer shown", "inner shown", "inner returned 5"}));
    EXPECT_EQ(inner.log, (std::vector<UINT>{WM_INITDIALOG, WM_DESTROY}));
    EXPECT_FALSE(outer.exists());
    EXPECT_TRUE(main.isEnabled());
}

TEST_F(ModalTest, OwnerGetsNoInputWhileTheModalRuns) {
    TestDialog dialog(&main);
    driver.answerModal([&](Window&) {
        driver.click(main, {10, 10});
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(main.entries(WM_LBUTTONDOWN).empty());
    driver.click(main, {10, 10});
    EXPECT_EQ(main.entries(WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(ModalTest, ModalRunWithoutAnAnswerIsCancelled) {
    TestDialog dialog(&main);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(ModalTest, CloseCancelsAModalDialogAndTimersKeepTickingInside) {
    TestDialog dialog(&main);
    int ticks = 0;
    main.onMessage = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_TIMER) {
            ++ticks;
        }
        return std::nullopt;
    };
    main.setTimer(1, 1000);
    driver.answerModal([&](Window&) {
        driver.advance(3000ms);
        PostMessage(&dialog, WM_CLOSE);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(ticks, 3);
}

TEST_F(ModalTest, ClickOnTheOwnerTakesActivationFromItsPopup) {
    RecordingWindow popup;
    ASSERT_TRUE(popup.create({.rect = rectAt(50, 50, 80, 60),
                              .owner = &main,
                              .visible = true,
                              .doubleClicks = true,
                              .topmost = true,
                              .toolWindow = true}));
    EXPECT_TRUE(popup.isActive());
    ASSERT_EQ(popup.entries(WM_NCACTIVATE).size(), 1u);
    EXPECT_EQ(popup.entries(WM_NCACTIVATE)[0].wParam, static_cast<WPARAM>(TRUE));

    driver.click(main, {250, 150});

    ASSERT_EQ(popup.entries(WM_NCACTIVATE).size(), 2u);
    EXPECT_EQ(popup.entries(WM_NCACTIVATE)[1].wParam, static_cast<WPARAM>(FALSE));
    EXPECT_TRUE(main.isActive());
    // The deactivation comes before the click that caused it.
    const auto& log = main.log;
    const auto activation =
        std::find_if(log.begin(), log.end(), [](auto& e) { return e.message == WM_NCACTIVATE; });
    const auto press =
        std::find_if(log.begin(), log.end(), [](auto& e) { return e.message == WM_LBUTTONDOWN; });
    EXPECT_LT(activation, press);
    EXPECT_TRUE(driver.record(popup).topmost);
    EXPECT_TRUE(driver.record(popup).toolWindow);
}

TEST_F(ModalTest, ShapeAndAlphaAreRecordedAndInputOutsideTheShapeMissesTheWindow) {
    Region shape(rectAt(0, 0, 300, 100));
    shape.unite(rectAt(0, 100, 50, 100));
    main.setShape(shape);
    main.setAlpha(128);
    main.setCursor(Cursor::hand);

    EXPECT_EQ(driver.record(main).shape, shape);
    EXPECT_EQ(driver.record(main).alpha, 128);
    EXPECT_EQ(driver.record(main).cursor, Cursor::hand);
    driver.click(main, {200, 150});
    EXPECT_TRUE(main.entries(WM_LBUTTONDOWN).empty());
    driver.click(main, {20, 150});
    EXPECT_EQ(main.entries(WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(ModalTest, TheDesktopShowsShapedWindowsUnderTheirTopmostPopups) {
    Image red(300, 200, 0xFFFF0000u);
    main.present(red);
    main.setShape(Region(rectAt(0, 0, 300, 100)));
    RecordingWindow popup;
    ASSERT_TRUE(
        popup.create({.rect = rectAt(250, 50, 100, 100), .owner = &main, .visible = true, .topmost = true}));
    popup.present(Image(100, 100, 0xFF0000FFu));

    const Image desktop = driver.desktop(rectAt(-10, 0, 400, 200));
    EXPECT_EQ(desktop.size(), (Size{400, 200}));
    EXPECT_EQ(desktop.pixel(0, 10), 0xFF404040u) << "left of the window";
    EXPECT_EQ(desktop.pixel(10, 10), 0xFFFF0000u);
    EXPECT_EQ(desktop.pixel(10, 150), 0xFF404040u) << "outside the shape";
    EXPECT_EQ(desktop.pixel(270, 60), 0xFF0000FFu) << "the popup above its owner";
    EXPECT_EQ(desktop.pixel(270, 160), 0xFF404040u);
}

TEST_F(ModalTest, ShowHideMinimiseAreRecorded) {
    main.show(ShowCommand::minimize);
    EXPECT_TRUE(driver.record(main).minimized);
    main.show(ShowCommand::showNormal);
    EXPECT_FALSE(driver.record(main).minimized);
    main.show(ShowCommand::hide);
    EXPECT_FALSE(driver.record(main).visible);
    EXPECT_TRUE(driver.visibleWindows().empty());
}

TEST_F(ModalTest, DestroyingTheOwnerDestroysItsPopupsFirst) {
    std::vector<std::string> order;
    RecordingWindow popup;
    ASSERT_TRUE(popup.create({.rect = rectAt(0, 0, 10, 10), .owner = &main, .visible = true}));
    popup.onMessage = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_DESTROY) {
            order.push_back("popup");
        }
        return std::nullopt;
    };
    main.onMessage = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_DESTROY) {
            order.push_back("main");
        }
        return std::nullopt;
    };
    main.destroy();
    EXPECT_EQ(order, (std::vector<std::string>{"popup", "main"}));
}

}  // namespace
