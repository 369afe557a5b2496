#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace core {

// An event that wakes one waiter and resets itself, as the worker threads of
// both programs expect.
class AutoResetEvent {
public:
    void set();
    void wait();
    // False when the time ran out before the event was set.
    bool waitFor(std::chrono::nanoseconds timeout);

private:
    std::mutex mutex_;
    std::condition_variable signalled_;
    bool set_ = false;
};

}  // namespace core
