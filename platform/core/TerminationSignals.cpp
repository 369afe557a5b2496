#include "platform/core/TerminationSignals.h"

#include <pthread.h>
#include <signal.h>

namespace core {

namespace {

// SIGUSR2 only wakes the waiter when the object goes.
sigset_t WaitedSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    sigaddset(&set, SIGUSR2);
    return set;
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> handler) : handler_(std::move(handler)) {
    sigset_t set = WaitedSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    waiter_ = std::thread([this] { wait(); });
}

TerminationSignals::~TerminationSignals() {
    pthread_kill(waiter_.native_handle(), SIGUSR2);
    waiter_.join();
}

void TerminationSignals::wait() {
    const sigset_t set = WaitedSignals();
    for (;;) {
        int signal = 0;
        if (sigwait(&set, &signal) != 0) {
            continue;
        }
        if (signal == SIGUSR2) {
            return;
        }
        handler_(signal);
    }
}

}  // namespace core
