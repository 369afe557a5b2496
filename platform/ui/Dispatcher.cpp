#include "platform/ui/detail/Dispatcher.h"

#include <algorithm>
#include <atomic>

#include "platform/core/Clock.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/detail/WindowState.h"

namespace ui::detail {

namespace {
// Read by other threads posting messages.
std::atomic<Dispatcher*> currentDispatcher{nullptr};

std::chrono::nanoseconds now() {
    return core::systemClock().now();
}
}  // namespace

Dispatcher::Dispatcher(std::unique_ptr<BackendImpl> backend)
    : backend_(std::move(backend)), windowThread_(std::this_thread::get_id()) {
    currentDispatcher = this;
}

Dispatcher::~Dispatcher() {
    // Windows still open are closed while the backend is still there.
    std::vector<WindowHandle> open = order_;
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        if (Window* window = find(*it)) {
            window->destroy();
        }
    }
    {
        std::lock_guard lock(queueMutex_);
        for (Posted& posted : queue_) {
            if (posted.reply) {
                posted.reply->set_value(0);
            }
        }
        queue_.clear();
        liveHandles_.clear();
        currentDispatcher = nullptr;
    }
}

Dispatcher* Dispatcher::current() {
    return currentDispatcher;
}

WindowHandle Dispatcher::add(Window& window) {
    const WindowHandle handle{nextHandle_++};
    windows_[handle.value] = &window;
    order_.push_back(handle);
    std::lock_guard lock(queueMutex_);
    liveHandles_[handle.value] = true;
    return handle;
}

void Dispatcher::remove(Window& window) {
    trayIcons_.removeOwnedBy(window);
    const WindowHandle handle = window.handle();
    windows_.erase(handle.value);
    order_.erase(std::remove(order_.begin(), order_.end(), handle), order_.end());
    std::lock_guard lock(queueMutex_);
    liveHandles_.erase(handle.value);
}

Window* Dispatcher::find(WindowHandle handle) const {
    const auto it = windows_.find(handle.value);
    return it == windows_.end() ? nullptr : it->second;
}

std::vector<Window*> Dispatcher::windows() const {
    std::vector<Window*> result;
    for (WindowHandle handle : order_) {
        result.push_back(find(handle));
    }
    return result;
}

bool Dispatcher::post(WindowHandle target, UINT message, WPARAM wParam, LPARAM lParam) {
    {
        std::lock_guard lock(queueMutex_);
        if (!liveHandles_.contains(target.value)) {
            return false;
        }
        queue_.push_back({target, message, wParam, lParam, nullptr});
        // Woken under the lock: the window thread may end the session the
        // moment the message is in, and the destructor takes this lock first.
        queueChanged_.notify_all();
        backend_->wake();
    }
    return true;
}

LRESULT Dispatcher::sendFromOtherThread(WindowHandle target, UINT message, WPARAM wParam, LPARAM lParam) {
    auto reply = std::make_shared<std::promise<LRESULT>>();
    std::future<LRESULT> result = reply->get_future();
    {
        std::lock_guard lock(queueMutex_);
        if (!liveHandles_.contains(target.value)) {
            return 0;
        }
        // Sent messages go ahead of posted ones.
        queue_.push_front({target, message, wParam, lParam, reply});
        queueChanged_.notify_all();
        backend_->wake();
    }
    return result.get();
}

void Dispatcher::setTimer(Window& window, std::uintptr_t id, unsigned milliseconds) {
    killTimer(window, id);
    const std::chrono::nanoseconds period = std::chrono::milliseconds(std::max(1u, milliseconds));
    timers_.push_back({window.handle(), id, period, now() + period});
}

bool Dispatcher::killTimer(Window& window, std::uintptr_t id) {
    const auto before = timers_.size();
    std::erase_if(timers_, [&](const Timer& t) { return t.window == window.handle() && t.id == id; });
    return timers_.size() != before;
}

void Dispatcher::removeTimers(Window& window) {
    std::erase_if(timers_, [&](const Timer& t) { return t.window == window.handle(); });
}

bool Dispatcher::takePosted(Posted& out) {
    std::lock_guard lock(queueMutex_);
    if (queue_.empty()) {
        return false;
    }
    out = std::move(queue_.front());
    queue_.pop_front();
    return true;
}

void Dispatcher::processPosted() {
    Posted posted;
    while (takePosted(posted)) {
        Window* window = find(posted.target);
        const LRESULT result = window ? window->WindowProc(posted.message, posted.wParam, posted.lParam) : 0;
        if (posted.reply) {
            posted.reply->set_value(result);
        }
    }
}

bool Dispatcher::paintOne() {
    for (WindowHandle handle : order_) {
        Window* window = find(handle);
        WindowState& state = window->state();
        if (state.visible && !state.invalid.isEmpty()) {
            window->WindowProc(WM_PAINT, 0, 0);
            if (find(handle) != nullptr && !state.invalid.isEmpty()) {
                // A paint handler that painted nothing must not be asked forever.
                state.invalid = Region();
            }
            return true;
        }
    }
    return false;
}

bool Dispatcher::fireDueTimer() {
    const auto current = now();
    Timer* due = nullptr;
    for (Timer& timer : timers_) {
        if (timer.due <= current && (due == nullptr || timer.due < due->due)) {
            due = &timer;
        }
    }
    if (due == nullptr) {
        return false;
    }
    due->due = current + due->period;
    const Timer fired = *due;
    if (Window* window = find(fired.window)) {
        window->WindowProc(WM_TIMER, fired.id, 0);
    }
    return true;
}

bool Dispatcher::processOne() {
    Posted posted;
    if (takePosted(posted)) {
        Window* window = find(posted.target);
        const LRESULT result = window ? window->WindowProc(posted.message, posted.wParam, posted.lParam) : 0;
        if (posted.reply) {
            posted.reply->set_value(result);
        }
        return true;
    }
    if (paintOne()) {
        return true;
    }
    if (input_.fireDueHover(now())) {
        return true;
    }
    return fireDueTimer();
}

void Dispatcher::runUntilIdle() {
    while (processOne()) {
    }
}

void Dispatcher::runUntil(const std::function<bool()>& done, Window* modal) {
    while (!done()) {
        if (processOne()) {
            continue;
        }
        if (!backend_->waitForEvents(nextDeadline(), modal)) {
            return;
        }
    }
}

std::optional<std::chrono::nanoseconds> Dispatcher::nextDeadline() const {
    std::optional<std::chrono::nanoseconds> next = input_.nextHoverDue();
    for (const Timer& timer : timers_) {
        if (!next || timer.due < *next) {
            next = timer.due;
        }
    }
    return next;
}

int Dispatcher::runMessageLoop() {
    quit_ = false;
    runUntil([this] { return quit_; }, nullptr);
    quit_ = false;
    return exitCode_;
}

void Dispatcher::postQuit(int exitCode) {
    exitCode_ = exitCode;
    quit_ = true;
    backend_->wake();
}

bool Dispatcher::waitForPosted(std::chrono::milliseconds timeout) {
    std::unique_lock lock(queueMutex_);
    return queueChanged_.wait_for(lock, timeout, [this] { return !queue_.empty(); });
}

}  // namespace ui::detail
