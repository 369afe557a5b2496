#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>

namespace core {

// Work handed from any thread to the one thread that owns some data: other
// threads push, the owner runs what is queued (and what that queues in turn).
class WorkQueue {
public:
    void push(std::function<void()> work);
    void runAll();
    // Waits (real time) until at least `count` pieces are queued; false on timeout.
    bool waitFor(std::size_t count, std::chrono::milliseconds timeout);

private:
    std::mutex mutex_;
    std::condition_variable pushed_;
    std::deque<std::function<void()>> queue_;
};

}  // namespace core
