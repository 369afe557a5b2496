#pragma once

#include <functional>
#include <thread>

namespace core {

// Turns SIGTERM, SIGINT and SIGHUP (a session that logs out, Ctrl+C, a closed
// terminal) into a call on a thread of its own, so the program can end the
// way its own Exit does instead of dying mid-way. Make it first in main,
// before any other thread starts: the signals are blocked in the calling
// thread and so in every thread started after it.
class TerminationSignals {
public:
    explicit TerminationSignals(std::function<void(int signal)> handler);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void wait();

    std::function<void(int)> handler_;
    std::thread waiter_;
};

}  // namespace core
