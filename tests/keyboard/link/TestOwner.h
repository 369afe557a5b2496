#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "keyboard/link/LinkOwner.h"
#include "platform/core/WorkQueue.h"

// Stands where the main window does in the program: work handed over by the link's threads
// waits in a queue until the test thread runs it.
class TestOwner : public LinkOwner {
public:
    void RunOnOwnerThread(std::function<void()> work) override { work_.push(std::move(work)); }
    void Refresh() override { ++refreshes; }
    void PostStatusMessage(std::uint32_t code) override { statusMessages.push_back(code); }
    void ShowAttention(const std::string& text) override { attentions.push_back(text); }
    void LaunchProgram(const std::string& path) override { launches.push_back(path); }

    // Runs what is queued now, and what that queues in turn.
    void RunPending() { work_.runAll(); }
    // Waits (in real time) for `count` pieces of work from the listener thread, then runs them.
    bool RunWhenPosted(std::size_t count = 1) {
        if (!work_.waitFor(count, std::chrono::seconds(10))) {
            return false;
        }
        RunPending();
        return true;
    }

    int refreshes = 0;
    std::vector<std::uint32_t> statusMessages;
    std::vector<std::string> attentions;
    std::vector<std::string> launches;

private:
    core::WorkQueue work_;
};
