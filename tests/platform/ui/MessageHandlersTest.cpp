#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Messaging.h"
#include "platform/ui/MouseTracker.h"
#include "platform/ui/headless/Driver.h"

using namespace ui;
using namespace std::chrono_literals;

namespace {

// A window built only from handlers, as the programs' windows are; it writes
// down each call with what it was given.
class HandlerWindow : public Window {
public:
    HandlerWindow() : mouse(*this, 10) {}

    std::vector<std::string> calls;
    MouseTracker mouse;
    bool refuseCreate = false;

protected:
    int OnCreate() override { return refuseCreate ? -1 : 0; }
    void OnDestroy() override { calls.push_back("destroy"); }
    void OnMouseMove(UINT, Point p) override {
        mouse.Track();
        calls.push_back("move " + Text(p));
    }
    void OnMouseHover(UINT, Point p) override { calls.push_back("hover " + Text(p)); }
    void OnMouseLeave() override {
        mouse.Left();
        calls.push_back("leave");
    }
    void OnLButtonDown(UINT flags, Point p) override {
        mouse.Press();
        calls.push_back("down " + Text(p) + " flags=" + std::to_string(flags));
    }
    void OnLButtonUp(UINT, Point p) override {
        mouse.Release();
        calls.push_back("up " + Text(p));
    }
    void OnLButtonDblClk(UINT, Point p) override { calls.push_back("dblclk " + Text(p)); }
    void OnRButtonUp(UINT, Point p) override { calls.push_back("rup " + Text(p)); }
    void OnMouseWheel(UINT, int delta, Point) override { calls.push_back("wheel " + std::to_string(delta)); }
    void OnKeyDown(UINT key, UINT) override { calls.push_back("keydown " + std::to_string(key)); }
    void OnTimer(std::uintptr_t id) override { calls.push_back("timer " + std::to_string(id)); }
    bool OnCommand(WPARAM wParam, LPARAM) override {
        calls.push_back("command " + std::to_string(loWord(wParam)));
        return true;
    }
    void OnClose() override {
        calls.push_back("close");
        Window::OnClose();
    }

private:
    static std::string Text(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
};

class MessageHandlersTest : public ::testing::Test {
protected:
    headless::Driver driver;
    HandlerWindow window;

    void SetUp() override {
        ASSERT_TRUE(
            window.create({.rect = rectAt(100, 100, 200, 150), .visible = true, .doubleClicks = true}));
    }
};

TEST_F(MessageHandlersTest, EachMessageReachesItsHandlerWithItsValues) {
    driver.click(window, {20, 30});
    driver.click(window, {20, 30});
    driver.mouseDown(window, {5, 6}, headless::Button::right);
    driver.mouseUp(window, {5, 6}, headless::Button::right);
    driver.wheel(window, {5, 6}, -2 * WHEEL_DELTA);
    driver.keyDown(window, VK_RETURN);
    window.setTimer(7, 50);
    driver.advance(50ms);
    window.killTimer(7);
    SendMessage(&window, WM_COMMAND, 2046);
    SendMessage(&window, WM_CLOSE);

    const std::vector<std::string> expected = {
        "move 20,30", "down 20,30 flags=1", "up 20,30", "move 20,30",   "dblclk 20,30", "up 20,30", "rup 5,6",
        "wheel -240", "keydown 13",         "timer 7",  "command 2046", "close",        "destroy"};
    std::vector<std::string> seen;
    for (const std::string& call : window.calls) {
        if (call.rfind("hover", 0) != 0) {
            seen.push_back(call);
        }
    }
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(window.exists());
}

TEST_F(MessageHandlersTest, ACreateHandlerCanRefuseTheWindow) {
    HandlerWindow refused;
    refused.refuseCreate = true;
    EXPECT_FALSE(refused.create({.rect = rectAt(0, 0, 50, 50)}));
    EXPECT_FALSE(refused.exists());
}

TEST_F(MessageHandlersTest, TrackerAsksForHoverAndLeaveOncePerVisit) {
    driver.mouseMove(window, {10, 10});
    driver.mouseMove(window, {12, 10});
    EXPECT_TRUE(window.mouse.Tracking());
    driver.advance(20ms);
    driver.mouseAway();
    EXPECT_FALSE(window.mouse.Tracking());
    driver.mouseMove(window, {14, 10});
    driver.advance(20ms);

    std::vector<std::string> hoversAndLeaves;
    for (const std::string& call : window.calls) {
        if (call.rfind("hover", 0) == 0 || call == "leave") {
            hoversAndLeaves.push_back(call);
        }
    }
    EXPECT_EQ(hoversAndLeaves, (std::vector<std::string>{"hover 12,10", "leave", "hover 14,10"}));
}

TEST_F(MessageHandlersTest, TrackerHoldsTheCaptureFromPressToRelease) {
    driver.mouseDown(window, {10, 10});
    EXPECT_TRUE(window.mouse.Pressed());
    EXPECT_TRUE(window.hasCapture());
    // Captured: the release far outside still comes here.
    driver.mouseUp(window, {400, 400});
    EXPECT_FALSE(window.mouse.Pressed());
    EXPECT_FALSE(window.hasCapture());
    EXPECT_EQ(window.calls.back(), "up 400,400");
}

}  // namespace
