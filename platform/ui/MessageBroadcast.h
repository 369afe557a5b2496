#pragma once

#include <chrono>
#include <map>
#include <string>
#include <thread>

#include "platform/ui/Window.h"

namespace ui {

// Registered messages sent to every program of ours that the user runs, as a
// broadcast to all top-level windows would reach them. Each listening window
// has a datagram socket in $XDG_RUNTIME_DIR/window-broadcast; the message
// travels by name, so each program delivers its own number for it.
class BroadcastListener {
public:
    // `messages` maps the names this window takes to the numbers it is sent them with.
    BroadcastListener(Window& target, std::map<std::string, UINT> messages);
    ~BroadcastListener();
    BroadcastListener(const BroadcastListener&) = delete;
    BroadcastListener& operator=(const BroadcastListener&) = delete;

    // Windows of this process get it at once (sent); others get it posted.
    void deliver(const std::string& name);

    static std::string folder();

private:
    void receive();

    Window& target_;
    std::map<std::string, UINT> messages_;
    std::string path_;
    int socket_ = -1;
    int wake_[2] = {-1, -1};
    std::thread thread_;
};

// Sends `name` to every listener of the user: this process's windows first,
// each within the call, then the other processes' (a datagram each, which
// does not wait; `timeout` bounds the send to one slow receiver).
void broadcastRegisteredMessage(const std::string& name, std::chrono::milliseconds timeout);

}  // namespace ui
