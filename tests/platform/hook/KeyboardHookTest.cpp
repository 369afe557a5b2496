#include "platform/hook/CKeyboardHook.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/ui/Messages.h"
#include "platform/ui/RecordingWindow.h"
#include "platform/ui/headless/Driver.h"

namespace {

using namespace std::chrono_literals;

class KeyboardHookTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.openAt(ui::rectAt(0, 0, 200, 100))); }
    std::vector<RecordingWindow::Entry> Keys() const { return window.entries(CKeyboardHook::kKeyMessage); }

    ui::headless::Driver driver;
    RecordingWindow window;
};

TEST_F(KeyboardHookTest, KeysOfTheProgramsWindowsArriveWithReleaseBitAndTime) {
    CKeyboardHook hook;
    ASSERT_TRUE(hook.StartHook(&window));
    driver.advance(1500ms);
    driver.keyDown(window, 0x41);
    driver.keyUp(window, 0x41);
    ASSERT_EQ(Keys().size(), 2u);
    EXPECT_EQ(Keys()[0].wParam & 0xFF, 0x41u);
    EXPECT_EQ(Keys()[0].lParam, hook::keyLParam(false, driver.clock().tickCount()));
    EXPECT_EQ(static_cast<std::uint32_t>(Keys()[1].lParam) >> 31, 1u);
    EXPECT_EQ(Keys()[1].lParam & 0x7FFFFFFF, 1500);

    hook.StopHook();
    driver.keyDown(window, 0x42);
    EXPECT_EQ(Keys().size(), 2u);
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
        ASSERT_EQ(Keys().size(), 1u);
        EXPECT_EQ(Keys()[0].wParam, 0x0Du);
        EXPECT_EQ(second.entries(CKeyboardHook::kKeyMessage).size(), 1u);
    }
    hook::injectKey(0x0D, false);  // both hooks are gone with their objects
    driver.runUntilIdle();
    EXPECT_EQ(Keys().size(), 1u);
}

}  // namespace
