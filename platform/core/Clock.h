#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>

namespace core {

using Duration = std::chrono::nanoseconds;
using Milliseconds = std::chrono::milliseconds;

// All time of the programs goes through a Clock, so that tests and the headless
// runner can replace real waiting with a virtual clock that costs no real time.
class Clock {
public:
    virtual ~Clock() = default;

    // Time since the clock's own start.
    virtual Duration now() const = 0;
    virtual void sleep(Duration duration) = 0;

    // Milliseconds since the clock's start, wrapping like a 32-bit tick counter.
    std::uint32_t tickCount() const;
};

class RealClock final : public Clock {
public:
    RealClock();
    Duration now() const override;
    void sleep(Duration duration) override;

private:
    std::chrono::steady_clock::time_point start_;
};

// Sleeping advances the clock at once; time moves only when somebody sleeps or
// calls advance(). Safe to use from several threads.
class VirtualClock final : public Clock {
public:
    Duration now() const override;
    void sleep(Duration duration) override;
    void advance(Duration duration);

private:
    mutable std::mutex mutex_;
    Duration now_{0};
};

// The clock the programs use unless something else is installed (tests, the
// headless runner). The installed clock must outlive its use.
Clock& systemClock();
void installClock(Clock* clock);  // nullptr restores the real clock

}  // namespace core
