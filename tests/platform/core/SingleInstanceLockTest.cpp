#include "platform/core/SingleInstanceLock.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "platform/core/AutoResetEvent.h"
#include "support/TempFolder.h"

namespace {

using namespace std::chrono_literals;

class SingleInstanceLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR"))
            saved_ = old;
        ::setenv("XDG_RUNTIME_DIR", runtime_.path().c_str(), 1);
    }
    void TearDown() override {
        saved_.empty() ? ::unsetenv("XDG_RUNTIME_DIR") : ::setenv("XDG_RUNTIME_DIR", saved_.c_str(), 1);
    }

    TempFolder runtime_;
    std::string saved_;
};

TEST_F(SingleInstanceLockTest, SecondHolderIsRefusedUntilTheFirstGoes) {
    auto first = std::make_unique<core::SingleInstanceLock>("Quelda Keyboard");
    ASSERT_TRUE(first->acquired());
    EXPECT_FALSE(core::SingleInstanceLock("Quelda Keyboard").acquired());
    EXPECT_TRUE(core::SingleInstanceLock("another program").acquired());
    first.reset();
    EXPECT_TRUE(core::SingleInstanceLock("Quelda Keyboard").acquired());
}

TEST_F(SingleInstanceLockTest, AnotherProcessIsRefusedWhileWeHoldIt) {
    core::SingleInstanceLock lock("Quelda Keyboard");
    ASSERT_TRUE(lock.acquired());
    pid_t child = ::fork();
    if (child == 0) {
        core::SingleInstanceLock mine("Quelda Keyboard");
        ::_exit(mine.acquired() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(SingleInstanceLockTest, LaterStartAsksTheHolderToComeToTheFront) {
    core::SingleInstanceLock holder("Quelda Keyboard");
    core::AutoResetEvent asked;
    holder.onActivationRequest([&] { asked.set(); });

    core::SingleInstanceLock later("Quelda Keyboard");
    ASSERT_FALSE(later.acquired());
    EXPECT_TRUE(later.requestActivation());
    EXPECT_TRUE(asked.waitFor(5s));

    EXPECT_FALSE(core::SingleInstanceLock("nobody holds this").requestActivation());
}

}  // namespace
