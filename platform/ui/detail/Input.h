#pragma once

#include <chrono>
#include <optional>

#include "platform/ui/Types.h"
#include "platform/ui/Window.h"

namespace ui::detail {

enum class MouseButton { left, right };

// Where a key event came from on the desktop, for the keyboard hook.
struct KeyOrigin {
    unsigned nativeKeycode = 0;  // X keycode; 0 where the desktop gives none
    bool autoRepeat = false;
};

// Turns the backends' pointer, key and activation events into the messages the
// windows handle: capture, double clicks, hover and leave, the system move.
// Shared by both backends so that they behave alike. Window thread only.
class Input {
public:
    // `under` is the window below the pointer (null: none); points are screen coordinates.
    void pointerMoved(Window* under, Point screen);
    void buttonPressed(Window* under, Point screen, MouseButton button);
    void buttonReleased(Window* under, Point screen, MouseButton button);
    void wheel(Window* under, Point screen, int delta);
    void pointerLeft(Window& window);
    // Keyboard message for a top-level window; true when something took it.
    bool key(Window& window, UINT message, int virtualKey, KeyOrigin origin = {});
    void activated(Window& window);
    void deactivated(Window& window);

    void setCapture(Window& window);
    void releaseCapture();
    Window* capture() const;
    Window* active() const;
    Point cursor() const { return cursor_; }

    bool track(Window& window, UINT flags, unsigned hoverMilliseconds);
    void systemMove(Window& window);
    // The window hides or goes away: capture, activation and pointer state let go of it.
    void windowHidden(Window& window);
    void forget(Window& window);

    std::optional<std::chrono::nanoseconds> nextHoverDue() const;
    bool fireDueHover(std::chrono::nanoseconds now);

private:
    Window* target(Window* under) const;
    WPARAM keyFlags() const;
    void sendMouse(Window& window, UINT message, Point screen);
    void enterWindow(Window* under);
    void postLeave(Window& window);
    void restartHover(Window& window, Point client);
    bool isDoubleClick(Window& window, Point screen, MouseButton button) const;
    void followMove(Point screen);

    WindowHandle capture_;
    WindowHandle active_;
    WindowHandle pointerWindow_;
    Point cursor_{-1, -1};
    bool leftDown_ = false;
    bool rightDown_ = false;
    struct Press {
        WindowHandle window;
        MouseButton button = MouseButton::left;
        Point screen;
        std::chrono::nanoseconds time{0};
    };
    std::optional<Press> lastPress_;
    struct Move {
        WindowHandle window;
        Point grab;
        Point origin;
    };
    std::optional<Move> move_;
};

}  // namespace ui::detail
