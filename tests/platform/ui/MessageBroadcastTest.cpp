#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "RecordingWindow.h"
#include "platform/ui/MessageBroadcast.h"
#include "platform/ui/headless/Driver.h"
#include "support/TempFolder.h"

namespace {

constexpr ui::UINT kExit = 0xC101;
constexpr ui::UINT kResume = 0xC102;

// Each test gets a runtime folder of its own, as a user session would.
class MessageBroadcastTest : public ::testing::Test {
protected:
    MessageBroadcastTest() { ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1); }
    ~MessageBroadcastTest() override { ::unsetenv("XDG_RUNTIME_DIR"); }

    TempFolder runtime;
    ui::headless::Driver driver;
};

TEST_F(MessageBroadcastTest, WindowsOfThisProgramGetTheMessageWithinTheCall) {
    RecordingWindow panel, plugin;
    ASSERT_TRUE(panel.openAt({0, 0, 10, 10}));
    ASSERT_TRUE(plugin.openAt({0, 0, 10, 10}));
    ui::BroadcastListener panelListener(panel, {{"EXIT", kExit}, {"RESUME", kResume}});
    ui::BroadcastListener pluginListener(plugin, {{"EXIT", 0xC200}});

    ui::broadcastRegisteredMessage("RESUME", std::chrono::milliseconds(100));
    EXPECT_EQ(panel.messages({kResume}).size(), 1u);  // before the queue ran
    EXPECT_TRUE(plugin.messages({0xC200}).empty());   // a name it does not take

    ui::broadcastRegisteredMessage("EXIT", std::chrono::milliseconds(100));
    EXPECT_EQ(panel.messages({kExit}).size(), 1u);
    EXPECT_EQ(plugin.messages({0xC200}).size(), 1u);
}

TEST_F(MessageBroadcastTest, AnotherProgramsBroadcastArrivesPostedByName) {
    RecordingWindow panel;
    ASSERT_TRUE(panel.openAt({0, 0, 10, 10}));
    ui::BroadcastListener listener(panel, {{"WM_ZRX16xxAPP_EXIT", kExit}});

    const pid_t child = ::fork();
    if (child == 0) {
        ui::broadcastRegisteredMessage("WM_ZRX16xxAPP_EXIT", std::chrono::milliseconds(100));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(driver.waitForPosted(std::chrono::seconds(5)));
    EXPECT_EQ(panel.messages({kExit}).size(), 1u);
}

}  // namespace
