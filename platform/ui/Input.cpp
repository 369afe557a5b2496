#include "platform/ui/detail/Input.h"

#include <cstdlib>
#include <utility>

#include "platform/core/Clock.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/KeyObserver.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/detail/Dispatcher.h"
#include "platform/ui/detail/WindowState.h"

namespace ui {

namespace {
KeyObserver& keyObserver() {
    static KeyObserver observer;
    return observer;
}
}  // namespace

void setKeyObserver(KeyObserver observer) {
    keyObserver() = std::move(observer);
}

}  // namespace ui

namespace ui::detail {

namespace {

// The pointer may wander this far and still count as resting or as the same click.
constexpr int kHoverSlack = 2;
constexpr int kDoubleClickSlack = 2;
constexpr auto kDefaultHoverTime = std::chrono::milliseconds(400);

std::chrono::nanoseconds now() {
    return core::systemClock().now();
}

Window* windowOf(WindowHandle handle) {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher ? dispatcher->find(handle) : nullptr;
}

bool near(Point a, Point b, int slack) {
    return std::abs(a.x - b.x) <= slack && std::abs(a.y - b.y) <= slack;
}

bool acceptsInput(const Window* window) {
    return window != nullptr && window->isEnabled() && window->isVisible();
}

}  // namespace

Window* Input::target(Window* under) const {
    if (Window* captured = windowOf(capture_)) {
        return captured;
    }
    return acceptsInput(under) ? under : nullptr;
}

WPARAM Input::keyFlags() const {
    return (leftDown_ ? MK_LBUTTON : 0) | (rightDown_ ? MK_RBUTTON : 0);
}

void Input::sendMouse(Window& window, UINT message, Point screen) {
    window.WindowProc(message, keyFlags(), pointParam(window.screenToClient(screen)));
}

void Input::postLeave(Window& window) {
    MouseTracking& tracking = window.state().tracking;
    if (tracking.flags & TME_LEAVE) {
        tracking.flags = 0;
        PostMessage(window.handle(), WM_MOUSELEAVE, 0, 0);
    }
}

void Input::enterWindow(Window* under) {
    const WindowHandle handle = under ? under->handle() : WindowHandle{};
    if (handle == pointerWindow_) {
        return;
    }
    Window* previous = windowOf(pointerWindow_);
    pointerWindow_ = handle;
    // The window holding the capture keeps the pointer until it lets go.
    if (previous != nullptr && previous->handle() != capture_) {
        postLeave(*previous);
    }
}

void Input::restartHover(Window& window, Point client) {
    MouseTracking& tracking = window.state().tracking;
    tracking.hoverAnchor = client;
    tracking.hoverDue = now() + tracking.hoverTime;
}

void Input::pointerMoved(Window* under, Point screen) {
    cursor_ = screen;
    if (move_) {
        followMove(screen);
        return;
    }
    enterWindow(acceptsInput(under) ? under : nullptr);
    Window* window = target(under);
    if (window == nullptr) {
        return;
    }
    MouseTracking& tracking = window->state().tracking;
    const Point client = window->screenToClient(screen);
    if ((tracking.flags & TME_HOVER) && !near(client, tracking.hoverAnchor, kHoverSlack)) {
        restartHover(*window, client);
    }
    sendMouse(*window, WM_MOUSEMOVE, screen);
}

bool Input::isDoubleClick(Window& window, Point screen, MouseButton button) const {
    return window.state().options.doubleClicks && lastPress_ && lastPress_->window == window.handle() &&
           lastPress_->button == button && near(lastPress_->screen, screen, kDoubleClickSlack) &&
           now() - lastPress_->time <= doubleClickTime();
}

void Input::buttonPressed(Window* under, Point screen, MouseButton button) {
    cursor_ = screen;
    (button == MouseButton::left ? leftDown_ : rightDown_) = true;
    Window* window = target(under);
    if (window == nullptr) {
        return;
    }
    if (!window->isActive() && capture_ != window->handle()) {
        window->state().native->activate();
        if (windowOf(window->handle()) == nullptr) {
            return;
        }
    }
    const bool twice = isDoubleClick(*window, screen, button);
    if (twice) {
        lastPress_.reset();  // a third press starts over
    } else {
        lastPress_ = Press{window->handle(), button, screen, now()};
    }
    const UINT message = button == MouseButton::left ? (twice ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)
                                                     : (twice ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN);
    sendMouse(*window, message, screen);
}

void Input::buttonReleased(Window* under, Point screen, MouseButton button) {
    cursor_ = screen;
    (button == MouseButton::left ? leftDown_ : rightDown_) = false;
    if (move_ && button == MouseButton::left) {
        // The move swallows the release, as the desktop's move does.
        if (Window* moved = windowOf(move_->window)) {
            moved->state().native->grabMouse(false);
        }
        move_.reset();
        return;
    }
    if (Window* window = target(under)) {
        sendMouse(*window, button == MouseButton::left ? WM_LBUTTONUP : WM_RBUTTONUP, screen);
    }
}

void Input::wheel(Window* under, Point screen, int delta) {
    cursor_ = screen;
    if (Window* window = target(under)) {
        window->WindowProc(WM_MOUSEWHEEL, makeWParam(static_cast<int>(keyFlags()), delta),
                           pointParam(screen));
    }
}

void Input::pointerLeft(Window& window) {
    if (pointerWindow_ == window.handle()) {
        enterWindow(nullptr);
    }
}

bool Input::key(Window& window, UINT message, int virtualKey, KeyOrigin origin) {
    if (!window.isEnabled()) {
        return false;
    }
    if (const KeyObserver& observer = keyObserver()) {
        observer(KeyStroke{virtualKey, message == WM_KEYUP || message == WM_SYSKEYUP, origin.nativeKeycode,
                           origin.autoRepeat});
    }
    if (virtualKey == 0) {
        return false;  // a key only the hook knows
    }
    const WindowHandle handle = window.handle();
    if (window.PreTranslateMessage(message, static_cast<WPARAM>(virtualKey), 1)) {
        return true;
    }
    if (windowOf(handle) == nullptr) {
        return true;
    }
    for (EditControl* edit : window.state().edits) {
        if (edit->hasFocus()) {
            return false;  // the edit control handles its own keys
        }
    }
    window.WindowProc(message, static_cast<WPARAM>(virtualKey), 1);
    return true;
}

void Input::activated(Window& window) {
    const WindowHandle handle = window.handle();
    if (active_ == handle) {
        return;
    }
    const WindowHandle previous = std::exchange(active_, handle);
    if (Window* old = windowOf(previous)) {
        old->WindowProc(WM_NCACTIVATE, FALSE, 0);
        if ((old = windowOf(previous)) != nullptr) {
            old->WindowProc(WM_ACTIVATE, WA_INACTIVE, 0);
        }
    }
    if (active_ != handle) {
        return;  // a handler moved the activation on
    }
    if (Window* fresh = windowOf(handle)) {
        fresh->WindowProc(WM_NCACTIVATE, TRUE, 0);
        if ((fresh = windowOf(handle)) != nullptr) {
            fresh->WindowProc(WM_ACTIVATE, WA_ACTIVE, 0);
        }
    }
}

void Input::deactivated(Window& window) {
    if (active_ != window.handle()) {
        return;
    }
    active_ = {};
    window.WindowProc(WM_NCACTIVATE, FALSE, 0);
    if (windowOf(window.handle()) != nullptr) {
        window.WindowProc(WM_ACTIVATE, WA_INACTIVE, 0);
    }
}

void Input::setCapture(Window& window) {
    if (capture_ == window.handle()) {
        return;
    }
    releaseCapture();
    capture_ = window.handle();
    window.state().native->grabMouse(true);
}

void Input::releaseCapture() {
    Window* captured = windowOf(capture_);
    capture_ = {};
    if (captured == nullptr) {
        return;
    }
    captured->state().native->grabMouse(false);
    // A leave held back by the capture is due now.
    if (pointerWindow_ != captured->handle()) {
        postLeave(*captured);
    }
}

Window* Input::capture() const {
    return windowOf(capture_);
}
Window* Input::active() const {
    return windowOf(active_);
}

bool Input::track(Window& window, UINT flags, unsigned hoverMilliseconds) {
    MouseTracking& tracking = window.state().tracking;
    if (flags & TME_CANCEL) {
        tracking.flags &= ~flags;
        return true;
    }
    tracking.flags |= flags & (TME_HOVER | TME_LEAVE);
    if (flags & TME_HOVER) {
        tracking.hoverTime = hoverMilliseconds == HOVER_DEFAULT
                                 ? std::chrono::nanoseconds(kDefaultHoverTime)
                                 : std::chrono::nanoseconds(std::chrono::milliseconds(hoverMilliseconds));
        restartHover(window, window.screenToClient(cursor_));
    }
    if ((flags & TME_LEAVE) && pointerWindow_ != window.handle() && capture_ != window.handle()) {
        postLeave(window);
    }
    return true;
}

std::optional<std::chrono::nanoseconds> Input::nextHoverDue() const {
    std::optional<std::chrono::nanoseconds> next;
    if (Window* window = windowOf(pointerWindow_)) {
        const MouseTracking& tracking = window->state().tracking;
        if (tracking.flags & TME_HOVER) {
            next = tracking.hoverDue;
        }
    }
    return next;
}

bool Input::fireDueHover(std::chrono::nanoseconds current) {
    Window* window = windowOf(pointerWindow_);
    if (window == nullptr) {
        return false;
    }
    MouseTracking& tracking = window->state().tracking;
    if (!(tracking.flags & TME_HOVER) || tracking.hoverDue > current) {
        return false;
    }
    tracking.flags &= ~TME_HOVER;
    window->WindowProc(WM_MOUSEHOVER, keyFlags(), pointParam(window->screenToClient(cursor_)));
    return true;
}

void Input::systemMove(Window& window) {
    if (!leftDown_) {
        return;  // the button went up before the move could begin
    }
    if (capture_ == window.handle()) {
        releaseCapture();
    }
    if (window.state().native->beginSystemMove()) {
        leftDown_ = false;
        return;
    }
    move_ = Move{window.handle(), cursor_, window.windowRect().topLeft()};
    window.state().native->grabMouse(true);
}

void Input::followMove(Point screen) {
    Window* window = windowOf(move_->window);
    if (window == nullptr) {
        move_.reset();
        return;
    }
    window->move({move_->origin.x + screen.x - move_->grab.x, move_->origin.y + screen.y - move_->grab.y});
}

void Input::windowHidden(Window& window) {
    const WindowHandle handle = window.handle();
    if (capture_ == handle) {
        releaseCapture();
    }
    if (pointerWindow_ == handle) {
        pointerWindow_ = {};
    }
    if (move_ && move_->window == handle) {
        move_.reset();
    }
    if (active_ == handle) {
        active_ = {};
        Window* owner = window.owner();
        if (owner != nullptr && owner->isVisible() && owner->isEnabled()) {
            owner->state().native->activate();
        }
    }
}

void Input::forget(Window& window) {
    windowHidden(window);
    if (lastPress_ && lastPress_->window == window.handle()) {
        lastPress_.reset();
    }
}

}  // namespace ui::detail
