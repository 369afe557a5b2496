#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace core {

// A named lock that only one process of the user's session can hold at a time.
// It is a lock file in $XDG_RUNTIME_DIR (or /tmp) held with flock, so it goes
// away with the process however it ends. The holder also listens on a local
// socket beside the lock, so a later start can ask it to come to the front.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const std::string& name);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // False when another process (or another lock object) holds the name.
    bool acquired() const { return lockFd_ >= 0; }

    // Holder only: called on a background thread whenever a later start asks
    // for the front; post to the window thread from there.
    void onActivationRequest(std::function<void()> handler);

    // Non-holder: asks the holder to come to the front. False when nobody answered.
    bool requestActivation() const;

    // The file names used for `name`; tests and diagnostics only.
    static std::string lockPath(const std::string& name);
    static std::string socketPath(const std::string& name);

private:
    void listen();
    void stopListening();

    std::string name_;
    int lockFd_ = -1;
    int socketFd_ = -1;
    int wakeFd_[2] = {-1, -1};
    std::function<void()> handler_;
    std::thread listener_;
};

}  // namespace core
