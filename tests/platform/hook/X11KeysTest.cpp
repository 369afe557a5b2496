// The system-wide source on a real X server: keys another client sends
// (xdotool, through XTEST) reach the hook as the physical keys' codes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/hook/CKeyboardHook.h"
#include "platform/ui/RecordingWindow.h"
#include "platform/ui/headless/Driver.h"
#include "support/VirtualXServer.h"

namespace {

using namespace std::chrono_literals;

class X11KeysTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = new VirtualXServer; }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }

    void SetUp() override {
        if (!server->started()) {
            GTEST_SKIP() << "no X server could be started here (is Xvfb installed?)";
        }
        ::setenv("DISPLAY", server->display().c_str(), 1);
        hook::setSystemKeys(hook::SystemKeys::x11);
        ASSERT_TRUE(window.openAt(ui::rectAt(0, 0, 200, 100)));
        ASSERT_TRUE(hook.StartHook(&window));
        ASSERT_TRUE(hook::listeningToX11()) << "the server at " << server->display() << " offers no XInput 2";
    }
    void TearDown() override {
        hook.StopHook();
        hook::setSystemKeys(hook::SystemKeys::automatic);
    }

    void Send(std::vector<std::string> args) {
        args.insert(args.begin(), "xdotool");
        ASSERT_TRUE(server->run(args)) << "xdotool failed (is it installed?)";
    }

    // The key messages, once `count` have come and nothing more follows shortly.
    std::vector<std::pair<unsigned, bool>> Keys(std::size_t count) {
        for (int i = 0; i < 50 && window.entries(CKeyboardHook::kKeyMessage).size() < count; ++i) {
            driver.waitForPosted(100ms);
        }
        while (driver.waitForPosted(300ms)) {
        }
        std::vector<std::pair<unsigned, bool>> keys;
        for (const auto& entry : window.entries(CKeyboardHook::kKeyMessage)) {
            keys.emplace_back(static_cast<unsigned>(entry.wParam), (entry.lParam & 0x80000000) != 0);
        }
        return keys;
    }

    static VirtualXServer* server;
    ui::headless::Driver driver;
    RecordingWindow window;
    CKeyboardHook hook;
};

VirtualXServer* X11KeysTest::server = nullptr;

// Sent by X keycode (evdev + 8), so the physical key is known whatever
// keymap the server has; xdotool takes numbers of two digits or more as keycodes.
TEST_F(X11KeysTest, KeysOfAnotherClientArriveAsThePhysicalKeys) {
    struct Case {
        const char* keycode;
        unsigned virtualKey;
    };
    // Keypad 7 twice: with Num Lock off and on, the same keypad key.
    const Case cases[] = {
        {"38", 0x41},  {"10", 0x31},  {"47", 0xBA},  {"49", 0xC0},  {"94", 0xE2},  // A 1 ; ~ K45
        {"50", 0xA0},  {"62", 0xA1},  {"37", 0xA2},  {"105", 0xA3},                // Shift_L/R Ctrl_L/R
        {"64", 0xA4},  {"108", 0xA5}, {"133", 0x5B}, {"135", 0x5D},                // Alt_L/R Win_L App
        {"36", 0x0D},  {"104", 0x0E}, {"79", 0x67},  {"77", 0x90},  {"79", 0x67},  // Enter, Keypad Enter
        {"77", 0x90},  {"106", 0x6F}, {"91", 0x6E},                                // Keypad / .
        {"107", 0x2C}, {"127", 0x13}, {"78", 0x91},  {"66", 0x14},                 // Print Pause Scroll Caps
        {"118", 0x2D}, {"112", 0x21}, {"117", 0x22}, {"115", 0x23}, {"96", 0x7B},  // Ins PgUp PgDn End F12
    };
    std::vector<std::string> args = {"key", "--delay", "1"};
    std::vector<std::pair<unsigned, bool>> expected;
    for (const Case& c : cases) {
        args.push_back(c.keycode);
        expected.emplace_back(c.virtualKey, false);
        expected.emplace_back(c.virtualKey, true);
    }
    Send(args);
    EXPECT_EQ(Keys(expected.size()), expected);
}

// Xvfb repeats no raw events (its repeat is XKB's, after them); the rule for
// sources that do is held in KeyboardHookTest. Here: nothing adds presses.
TEST_F(X11KeysTest, HeldKeyGivesOnePressAndOneRelease) {
    Send({"keydown", "b", "sleep", "1.2", "keyup", "b"});
    const std::vector<std::pair<unsigned, bool>> expected = {{0x42, false}, {0x42, true}};
    EXPECT_EQ(Keys(2), expected);
}

}  // namespace
