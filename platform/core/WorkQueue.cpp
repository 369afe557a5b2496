#include "platform/core/WorkQueue.h"

namespace core {

void WorkQueue::push(std::function<void()> work) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(work));
    }
    pushed_.notify_all();
}

void WorkQueue::runAll() {
    for (;;) {
        std::function<void()> work;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty()) {
                return;
            }
            work = std::move(queue_.front());
            queue_.pop_front();
        }
        work();
    }
}

bool WorkQueue::waitFor(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return pushed_.wait_for(lock, timeout, [&] { return queue_.size() >= count; });
}

}  // namespace core
