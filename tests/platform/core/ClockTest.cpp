#include "platform/core/Clock.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/core/AutoResetEvent.h"

namespace {

using namespace std::chrono_literals;

TEST(VirtualClockTest, SleepAdvancesAtOnceAndTickCountWraps) {
    core::VirtualClock clock;
    clock.sleep(350ms);
    clock.advance(15ms);
    EXPECT_EQ(clock.now(), 365ms);
    EXPECT_EQ(clock.tickCount(), 365u);

    clock.advance(std::chrono::milliseconds(0x1'0000'0000LL));
    EXPECT_EQ(clock.tickCount(), 365u);
}

TEST(VirtualClockTest, SleepsFromSeveralThreadsAddUp) {
    core::VirtualClock clock;
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([&] {
            for (int j = 0; j < 100; ++j)
                clock.sleep(1ms);
        });
    }
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(clock.now(), 400ms);
}

TEST(ClockTest, InstalledClockReplacesTheRealOne) {
    core::VirtualClock clock;
    core::installClock(&clock);
    core::systemClock().sleep(10s);
    EXPECT_EQ(clock.now(), 10s);
    core::installClock(nullptr);
    EXPECT_NE(&core::systemClock(), &clock);
}

TEST(AutoResetEventTest, WakesOnceThenResets) {
    core::AutoResetEvent event;
    event.set();
    EXPECT_TRUE(event.waitFor(0ms));
    EXPECT_FALSE(event.waitFor(1ms));

    std::thread setter([&] { event.set(); });
    event.wait();
    setter.join();
}

}  // namespace
