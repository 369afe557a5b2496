#include "platform/core/Clock.h"

#include <atomic>
#include <thread>

namespace core {

std::uint32_t Clock::tickCount() const {
    auto ms = std::chrono::duration_cast<Milliseconds>(now()).count();
    return static_cast<std::uint32_t>(ms);
}

RealClock::RealClock() : start_(std::chrono::steady_clock::now()) {}

Duration RealClock::now() const {
    return std::chrono::steady_clock::now() - start_;
}

void RealClock::sleep(Duration duration) {
    if (duration > Duration::zero()) {
        std::this_thread::sleep_for(duration);
    }
}

Duration VirtualClock::now() const {
    std::lock_guard lock(mutex_);
    return now_;
}

void VirtualClock::sleep(Duration duration) {
    advance(duration);
}

void VirtualClock::advance(Duration duration) {
    if (duration <= Duration::zero()) {
        return;
    }
    std::lock_guard lock(mutex_);
    now_ += duration;
}

namespace {
RealClock& realClock() {
    static RealClock clock;
    return clock;
}
std::atomic<Clock*> installed{nullptr};
}  // namespace

Clock& systemClock() {
    Clock* clock = installed.load();
    return clock ? *clock : realClock();
}

void installClock(Clock* clock) {
    installed.store(clock);
}

}  // namespace core
