#pragma once

#include "platform/ui/Types.h"

namespace ui {

class Window;

// The mouse bookkeeping of a window that draws its own controls: hover and
// leave are asked for once per visit of the pointer, and the mouse is
// captured from a press to its release, so the release arrives even outside.
class MouseTracker {
public:
    MouseTracker(Window& window, unsigned hoverMilliseconds);

    // On every mouse move: asks for WM_MOUSEHOVER and WM_MOUSELEAVE unless
    // already asked. True while they are asked for.
    bool Track();
    // On WM_MOUSELEAVE: the next move asks again.
    void Left() { tracking_ = false; }
    bool Tracking() const { return tracking_; }

    // A press captures the mouse (once); the release lets it go.
    void Press();
    void Release();
    bool Pressed() const { return pressed_; }

private:
    Window& window_;
    unsigned hoverMilliseconds_;
    bool tracking_ = false;
    bool pressed_ = false;
    bool capturing_ = false;
};

}  // namespace ui
