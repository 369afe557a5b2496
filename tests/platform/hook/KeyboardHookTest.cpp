#include "platform/hook/CKeyboardHook.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/ui/Messages.h"
#include "platform/ui/RecordingWindow.h"
#include "platform/ui/headless/Driver.h"

namespace {

using namespace std::chrono_literals;

struct Key {
    unsigned virtualKey;
    bool released;
    friend bool operator==(const Key&, const Key&) = default;
};

std::ostream& operator<<(std::ostream& out, const Key& key) {
    return out << std::hex << "0x" << key.virtualKey << (key.released ? " up" : " down");
}

class KeyboardHookTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.openAt(ui::rectAt(0, 0, 200, 100))); }
    std::vector<RecordingWindow::Entry> Entries() const { return window.entries(CKeyboardHook::kKeyMessage); }
    std::vector<Key> Keys() const {
        std::vector<Key> keys;
        for (const auto& entry : Entries()) {
            keys.push_back({static_cast<unsigned>(entry.wParam & 0xFF), (entry.lParam & 0x80000000) != 0});
        }
        return keys;
    }

    ui::headless::Driver driver;
    RecordingWindow window;
};

TEST_F(KeyboardHookTest, KeysOfTheProgramsWindowsArriveWithReleaseBitAndTime) {
    CKeyboardHook hook;
    ASSERT_TRUE(hook.StartHook(&window));
    EXPECT_FALSE(hook::listeningToX11());  // a headless program listens to its own windows only
    driver.advance(1500ms);
    driver.keyDown(window, 0x41);
    driver.keyUp(window, 0x41);
    ASSERT_EQ(Entries().size(), 2u);
    EXPECT_EQ(Entries()[0].wParam & 0xFF, 0x41u);
    EXPECT_EQ(Entries()[0].lParam, hook::keyLParam(false, driver.clock().tickCount()));
    EXPECT_EQ(static_cast<std::uint32_t>(Entries()[1].lParam) >> 31, 1u);
    EXPECT_EQ(Entries()[1].lParam & 0x7FFFFFFF, 1500);

    hook.StopHook();
    driver.keyDown(window, 0x42);
    EXPECT_EQ(Entries().size(), 2u);
}

TEST_F(KeyboardHookTest, InjectedKeysReachEveryStartedHookFromAnyThread) {
    RecordingWindow second;
    ASSERT_TRUE(second.openAt(ui::rectAt(0, 0, 50, 50)));
    {
        CKeyboardHook first, other;
        first.StartHook(&window);
        other.StartHook(&second);
        std::thread([] { hook::injectKey(0x0D, true); }).join();
        driver.runUntilIdle();
        ASSERT_EQ(Entries().size(), 1u);
        EXPECT_EQ(Entries()[0].wParam, 0x0Du);
        EXPECT_EQ(second.entries(CKeyboardHook::kKeyMessage).size(), 1u);
    }
    hook::injectKey(0x0D, false);  // both hooks are gone with their objects
    driver.runUntilIdle();
    EXPECT_EQ(Entries().size(), 1u);
}

// The window is told the side-less Shift, as on Windows; the hook names the
// physical key from the desktop's keycode, and the left one where there is none.
TEST_F(KeyboardHookTest, OwnWindowsKeysNameThePhysicalKey) {
    CKeyboardHook hook;
    hook.StartHook(&window);
    driver.desktopKey(window, {.virtualKey = ui::VK_SHIFT, .xKeycode = 62});      // Shift_R
    driver.desktopKey(window, {.virtualKey = ui::VK_RETURN, .xKeycode = 104});    // Keypad Enter
    driver.desktopKey(window, {.virtualKey = 0, .xKeycode = 47});                 // ; (unknown to the window)
    driver.desktopKey(window, {.virtualKey = ui::VK_CONTROL, .released = true});  // no keycode: Ctrl_L
    EXPECT_EQ(Keys(), (std::vector<Key>{{0xA1, false}, {0x0E, false}, {0xBA, false}, {0xA2, true}}));
    EXPECT_EQ(window.entries(ui::WM_KEYDOWN).size(), 2u);
    EXPECT_EQ(window.entries(ui::WM_KEYDOWN)[0].wParam, ui::VK_SHIFT);
}

TEST_F(KeyboardHookTest, HeldKeyGivesOnePressAndOneRelease) {
    CKeyboardHook hook;
    hook.StartHook(&window);
    const std::vector<Key> onePress = {{0x41, false}, {0x41, true}};

    // A source that cannot tell repeats (the X server's raw events, injection).
    for (int i = 0; i < 3; ++i) {
        hook::injectKey(0x41, false);
    }
    hook::injectKey(0x41, true);
    driver.runUntilIdle();
    EXPECT_EQ(Keys(), onePress);

    // A desktop that flags repeats, as presses or as release and press pairs.
    window.log.clear();
    driver.desktopKey(window, {.virtualKey = 0x41, .xKeycode = 38});
    driver.desktopKey(window, {.virtualKey = 0x41, .xKeycode = 38, .released = true, .autoRepeat = true});
    driver.desktopKey(window, {.virtualKey = 0x41, .xKeycode = 38, .autoRepeat = true});
    driver.desktopKey(window, {.virtualKey = 0x41, .xKeycode = 38, .autoRepeat = true});
    driver.desktopKey(window, {.virtualKey = 0x41, .xKeycode = 38, .released = true});
    EXPECT_EQ(Keys(), onePress);
}

}  // namespace
