#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "keyboard/link/LinkOwner.h"

// Stands where the main window will: work handed over by the link's threads
// waits in a queue until the test thread runs it.
class TestOwner : public LinkOwner {
public:
    void RunOnOwnerThread(std::function<void()> work) override {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(work));
        posted_.notify_all();
    }
    void Refresh() override { ++refreshes; }
    void PostStatusMessage(std::uint32_t code) override { statusMessages.push_back(code); }
    void ShowAttention(const std::string& text) override { attentions.push_back(text); }
    void LaunchProgram(const std::string& path) override { launches.push_back(path); }

    // Runs what is queued now, and what that queues in turn.
    void RunPending() {
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
    // Waits (in real time) for `count` pieces of work from the listener thread, then runs them.
    bool RunWhenPosted(std::size_t count = 1) {
        {
            std::unique_lock lock(mutex_);
            if (!posted_.wait_for(lock, std::chrono::seconds(10), [&] { return queue_.size() >= count; })) {
                return false;
            }
        }
        RunPending();
        return true;
    }

    int refreshes = 0;
    std::vector<std::uint32_t> statusMessages;
    std::vector<std::string> attentions;
    std::vector<std::string> launches;

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> queue_;
};
