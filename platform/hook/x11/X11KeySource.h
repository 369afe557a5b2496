#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

namespace hook {

// Every key press and release of the X11 session, whatever window has the
// focus: XInput2 raw key events of all master devices, selected on the root
// window and read on a thread of their own. Under XWayland they arrive only
// while an X window has the focus.
class X11KeySource {
public:
    // Called on the source's thread with the physical key's virtual-key code
    // and the server's time in milliseconds.
    using Sink = std::function<void(std::uint8_t virtualKey, bool released, std::uint32_t time)>;

    // Null when $DISPLAY names no reachable server or it lacks XInput 2.
    static std::unique_ptr<X11KeySource> open(Sink sink);
    ~X11KeySource();
    X11KeySource(const X11KeySource&) = delete;
    X11KeySource& operator=(const X11KeySource&) = delete;

private:
    struct Connection;
    X11KeySource(std::unique_ptr<Connection> connection, Sink sink);
    void run();
    void readPending();

    std::unique_ptr<Connection> connection_;
    Sink sink_;
    int wake_[2] = {-1, -1};
    std::thread thread_;
};

}  // namespace hook
