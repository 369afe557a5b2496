#include "platform/core/AutoResetEvent.h"

namespace core {

void AutoResetEvent::set() {
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    signalled_.notify_one();
}

void AutoResetEvent::wait() {
    std::unique_lock lock(mutex_);
    signalled_.wait(lock, [this] { return set_; });
    set_ = false;
}

bool AutoResetEvent::waitFor(std::chrono::nanoseconds timeout) {
    std::unique_lock lock(mutex_);
    if (!signalled_.wait_for(lock, timeout, [this] { return set_; })) {
        return false;
    }
    set_ = false;
    return true;
}

}  // namespace core
