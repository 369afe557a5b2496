#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/ui/Window.h"
#include "platform/ui/detail/BackendImpl.h"
#include "platform/ui/detail/Input.h"
#include "platform/ui/detail/TrayIconList.h"

namespace ui::detail {

// The state of the UI session: the windows, the message queue, the timers and
// the loop that hands out queued messages, paints and timer ticks in the order
// the windows expect (sent and posted messages, then paint, then timers).
class Dispatcher {
public:
    explicit Dispatcher(std::unique_ptr<BackendImpl> backend);
    ~Dispatcher();

    static Dispatcher* current();
    BackendImpl& backend() { return *backend_; }
    Input& input() { return input_; }
    TrayIconList& trayIcons() { return trayIcons_; }
    bool onWindowThread() const { return std::this_thread::get_id() == windowThread_; }

    WindowHandle add(Window& window);
    void remove(Window& window);
    Window* find(WindowHandle handle) const;
    std::vector<Window*> windows() const;  // in creation order

    bool post(WindowHandle target, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT sendFromOtherThread(WindowHandle target, UINT message, WPARAM wParam, LPARAM lParam);

    void setTimer(Window& window, std::uintptr_t id, unsigned milliseconds);
    bool killTimer(Window& window, std::uintptr_t id);
    void removeTimers(Window& window);

    // Hands out one queued thing; false when there is nothing to do now.
    bool processOne();
    void processPosted();
    void runUntilIdle();
    // Runs until done() holds or nothing can happen any more.
    void runUntil(const std::function<bool()>& done, Window* modal);
    std::optional<std::chrono::nanoseconds> nextDeadline() const;

    int runMessageLoop();
    void postQuit(int exitCode);
    // Real-time wait for a message from another thread.
    bool waitForPosted(std::chrono::milliseconds timeout);

private:
    struct Posted {
        WindowHandle target;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        std::shared_ptr<std::promise<LRESULT>> reply;  // set for calls from other threads
    };
    struct Timer {
        WindowHandle window;
        std::uintptr_t id;
        std::chrono::nanoseconds period;
        std::chrono::nanoseconds due;
    };

    bool takePosted(Posted& out);
    bool paintOne();
    bool fireDueTimer();

    std::unique_ptr<BackendImpl> backend_;
    Input input_;
    TrayIconList trayIcons_;
    std::thread::id windowThread_;
    std::unordered_map<std::uint64_t, Window*> windows_;
    std::vector<WindowHandle> order_;
    std::uint64_t nextHandle_ = 1;
    std::vector<Timer> timers_;

    mutable std::mutex queueMutex_;
    std::condition_variable queueChanged_;
    std::deque<Posted> queue_;
    std::unordered_map<std::uint64_t, bool> liveHandles_;  // read by posting threads

    bool quit_ = false;
    int exitCode_ = 0;
};

}  // namespace ui::detail
