#include <gtest/gtest.h>

#include <thread>

#include "RecordingWindow.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/headless/Driver.h"

using namespace ui;
using namespace std::chrono_literals;

namespace {

const std::vector<UINT> kButtons = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK};

class WindowMessagesTest : public ::testing::Test {
protected:
    headless::Driver driver;
    RecordingWindow window;

    void SetUp() override { ASSERT_TRUE(window.openAt(rectAt(100, 100, 200, 150))); }
};

TEST_F(WindowMessagesTest, ClickSendsMoveDownUpAtClientCoordinates) {
    driver.click(window, {20, 30});
    EXPECT_EQ(window.messages({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}),
              (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    const auto down = window.entries(WM_LBUTTONDOWN).at(0);
    EXPECT_EQ(pointFromParam(down.lParam), (Point{20, 30}));
    EXPECT_EQ(down.wParam, MK_LBUTTON);
    EXPECT_EQ(window.entries(WM_LBUTTONUP).at(0).wParam, 0u);
}

struct DoubleClickCase {
    const char* name;
    bool doubleClicks;
    std::chrono::milliseconds pause;
    Point second;
    std::vector<UINT> expected;
};

class DoubleClickTest : public ::testing::TestWithParam<DoubleClickCase> {};

TEST_P(DoubleClickTest, SecondPressBecomesDoubleClickOnlyWhenAskedCloseAndQuick) {
    headless::Driver driver;
    RecordingWindow window;
    ASSERT_TRUE(window.openAt(rectAt(0, 0, 100, 100), GetParam().doubleClicks));
    driver.click(window, {10, 10});
    driver.advance(GetParam().pause);
    driver.click(window, GetParam().second);
    EXPECT_EQ(window.messages(kButtons), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DoubleClickTest,
    ::testing::Values(
        DoubleClickCase{"QuickAndClose",
                        true,
                        100ms,
                        {11, 9},
                        {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
        DoubleClickCase{"WindowDidNotAsk",
                        false,
                        100ms,
                        {10, 10},
                        {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
        DoubleClickCase{
            "TooSlow", true, 501ms, {10, 10}, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
        DoubleClickCase{"TooFarApart",
                        true,
                        100ms,
                        {14, 10},
                        {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(WindowMessagesTest, ThirdQuickClickStartsOverWithAPress) {
    RecordingWindow dialog;
    ASSERT_TRUE(dialog.openAt(rectAt(400, 400, 50, 50), true));
    for (int i = 0; i < 3; ++i) {
        driver.click(dialog, {5, 5});
    }
    EXPECT_EQ(dialog.messages(kButtons), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                                                            WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(WindowMessagesTest, CaptureKeepsMouseMessagesUntilReleased) {
    window.onMessage = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_LBUTTONDOWN) {
            window.setCapture();
        } else if (message == WM_LBUTTONUP) {
            releaseCapture();
        }
        return std::nullopt;
    };
    driver.mouseMove(window, {10, 10});
    driver.mouseDown(window, {10, 10});
    driver.mouseMove(window, {-50, 300});  // far outside
    driver.mouseUp(window, {-50, 300});
    window.log.clear();
    driver.mouseMove(window, {-40, 300});

    EXPECT_TRUE(window.entries(WM_MOUSEMOVE).empty());
    EXPECT_EQ(captureWindow(), nullptr);
}

TEST_F(WindowMessagesTest, CapturedMoveAndReleaseOutsideArriveInClientCoordinates) {
    driver.mouseDown(window, {10, 10});
    window.setCapture();
    driver.mouseMove(window, {-50, 300});
    driver.mouseUp(window, {-50, 300});
    ASSERT_EQ(window.entries(WM_LBUTTONUP).size(), 1u);
    EXPECT_EQ(pointFromParam(window.entries(WM_LBUTTONUP)[0].lParam), (Point{-50, 300}));
    EXPECT_EQ(pointFromParam(window.entries(WM_MOUSEMOVE).back().lParam), (Point{-50, 300}));
}

TEST_F(WindowMessagesTest, HoverComesAfterItsTimeAndLeaveWhenThePointerGoes) {
    bool tracking = false;  // one request at a time, as the dialogs ask
    window.onMessage = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_MOUSEMOVE && !tracking) {
            tracking = window.trackMouseEvent(TME_HOVER | TME_LEAVE, 50);
        }
        return std::nullopt;
    };
    driver.mouseMove(window, {40, 40});
    driver.advance(30ms);
    driver.mouseMove(window, {41, 41});  // within the resting slack: the hover time keeps running
    driver.advance(19ms);
    EXPECT_TRUE(window.entries(WM_MOUSEHOVER).empty());
    driver.advance(1ms);
    ASSERT_EQ(window.entries(WM_MOUSEHOVER).size(), 1u);
    EXPECT_EQ(pointFromParam(window.entries(WM_MOUSEHOVER)[0].lParam), (Point{41, 41}));

    driver.advance(500ms);
    EXPECT_EQ(window.entries(WM_MOUSEHOVER).size(), 1u) << "one hover per request";
    EXPECT_TRUE(window.entries(WM_MOUSELEAVE).empty());
    driver.mouseAway();
    EXPECT_EQ(window.entries(WM_MOUSELEAVE).size(), 1u);
}

TEST_F(WindowMessagesTest, MovingAwayFromTheRestingPointRestartsTheHoverTime) {
    driver.mouseMove(window, {40, 40});
    window.trackMouseEvent(TME_HOVER, 50);
    driver.advance(40ms);
    driver.mouseMove(window, {60, 40});
    driver.advance(40ms);
    EXPECT_TRUE(window.entries(WM_MOUSEHOVER).empty());
    driver.advance(10ms);
    EXPECT_EQ(window.entries(WM_MOUSEHOVER).size(), 1u);
}

TEST_F(WindowMessagesTest, LeaveIsHeldBackWhileTheWindowHasTheCapture) {
    driver.mouseMove(window, {10, 10});
    window.trackMouseEvent(TME_LEAVE);
    driver.mouseDown(window, {10, 10});
    window.setCapture();
    driver.mouseMove(window, {-20, -20});
    EXPECT_TRUE(window.entries(WM_MOUSELEAVE).empty());
    releaseCapture();
    driver.runUntilIdle();
    EXPECT_EQ(window.entries(WM_MOUSELEAVE).size(), 1u);
}

TEST_F(WindowMessagesTest, TimersTickAtTheirPeriodUntilKilled) {
    std::vector<std::pair<WPARAM, long long>> ticks;
    window.onMessage = [&](UINT message, WPARAM id, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_TIMER) {
            ticks.emplace_back(
                id, std::chrono::duration_cast<std::chrono::milliseconds>(driver.clock().now()).count());
        }
        return std::nullopt;
    };
    const long long start =
        std::chrono::duration_cast<std::chrono::milliseconds>(driver.clock().now()).count();
    window.setTimer(1, 100);
    window.setTimer(2, 250);
    driver.advance(350ms);
    EXPECT_EQ(ticks, (std::vector<std::pair<WPARAM, long long>>{
                         {1, start + 100}, {1, start + 200}, {2, start + 250}, {1, start + 300}}));
    EXPECT_TRUE(window.killTimer(1));
    EXPECT_FALSE(window.killTimer(1));
    ticks.clear();
    driver.advance(400ms);
    EXPECT_EQ(ticks, (std::vector<std::pair<WPARAM, long long>>{{2, start + 500}, {2, start + 750}}));
}

TEST_F(WindowMessagesTest, MessagesPostedFromAnotherThreadArriveInOrderOnTheWindowThread) {
    std::vector<WPARAM> received;
    std::vector<std::thread::id> threads;
    window.onMessage = [&](UINT message, WPARAM value, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_USER + 0x2B) {
            received.push_back(value);
            threads.push_back(std::this_thread::get_id());
        }
        return std::nullopt;
    };
    const WindowHandle target = window.handle();
    std::thread listener([target] {
        for (WPARAM i = 0; i < 200; ++i) {
            PostMessage(target, WM_USER + 0x2B, i, 0);
        }
    });
    listener.join();
    driver.waitForPosted(1s);

    ASSERT_EQ(received.size(), 200u);
    for (WPARAM i = 0; i < 200; ++i) {
        EXPECT_EQ(received[i], i);
    }
    EXPECT_EQ(std::count(threads.begin(), threads.end(), std::this_thread::get_id()), 200);
}

TEST_F(WindowMessagesTest, SendFromAnotherThreadRunsOnTheWindowThreadAndReturnsTheResult) {
    window.onMessage = [&](UINT message, WPARAM value, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_USER) {
            return static_cast<LRESULT>(value * 2);
        }
        return std::nullopt;
    };
    LRESULT result = 0;
    std::thread caller([&] { result = SendMessage(window.handle(), WM_USER, 21, 0); });
    ASSERT_TRUE(driver.waitForPosted(1s));
    caller.join();
    EXPECT_EQ(result, 42);
}

TEST_F(WindowMessagesTest, PostingToAWindowThatIsGoneFailsQuietly) {
    const WindowHandle gone = window.handle();
    window.destroy();
    EXPECT_FALSE(PostMessage(gone, WM_USER, 0, 0));
    EXPECT_EQ(SendMessage(gone, WM_USER, 0, 0), 0);
    EXPECT_FALSE(isWindow(gone));
}

TEST_F(WindowMessagesTest, InvalidPartsAreCoalescedIntoOnePaint) {
    window.validate();
    window.invalidate(rectAt(0, 0, 10, 10));
    window.invalidate(rectAt(50, 50, 10, 10));
    int paints = 0;
    window.onMessage = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_PAINT) {
            ++paints;
            EXPECT_EQ(window.invalidBounds(), (Rect{0, 0, 60, 60}));
        }
        return std::nullopt;
    };
    driver.runUntilIdle();
    EXPECT_EQ(paints, 1);
    EXPECT_TRUE(window.invalidBounds().isEmpty());
}

TEST_F(WindowMessagesTest, CloseDestroysAndCallsTheLastHookAfterDestroy) {
    bool lastHook = false;
    struct SelfEnding : RecordingWindow {
        bool* flag;
        void PostNcDestroy() override { *flag = exists() ? false : true; }
    } popup;
    popup.flag = &lastHook;
    ASSERT_TRUE(popup.openAt(rectAt(0, 0, 10, 10)));
    PostMessage(&popup, WM_CLOSE);
    driver.runUntilIdle();
    EXPECT_EQ(popup.messages({WM_CLOSE, WM_DESTROY, WM_NCDESTROY}),
              (std::vector<UINT>{WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_TRUE(lastHook);
}

TEST_F(WindowMessagesTest, DragByTheBackgroundMovesTheWindowAndSwallowsTheRelease) {
    window.onMessage = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_LBUTTONDOWN) {
            PostMessage(&window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        }
        return std::nullopt;
    };
    driver.mouseMove(window, {10, 10});
    driver.mouseDown(window, {10, 10});
    driver.mouseMove(window, {40, 30});  // pointer moves 30 right, 20 down
    driver.mouseUp(window, {40 - 30, 30 - 20});
    EXPECT_EQ(window.windowRect(), rectAt(130, 120, 200, 150));
    EXPECT_EQ(driver.record(window).screenRect, rectAt(130, 120, 200, 150));
    EXPECT_EQ(driver.record(window).systemMoves, 1);
    EXPECT_TRUE(window.entries(WM_LBUTTONUP).empty());
}

}  // namespace
