#include "platform/ui/MouseTracker.h"

#include "platform/ui/Messaging.h"
#include "platform/ui/Window.h"

namespace ui {

MouseTracker::MouseTracker(Window& window, unsigned hoverMilliseconds)
    : window_(window), hoverMilliseconds_(hoverMilliseconds) {}

bool MouseTracker::Track() {
    if (!tracking_) {
        tracking_ = window_.trackMouseEvent(TME_HOVER | TME_LEAVE, hoverMilliseconds_);
    }
    return tracking_;
}

void MouseTracker::Press() {
    pressed_ = true;
    if (!capturing_) {
        window_.setCapture();
        capturing_ = true;
    }
}

void MouseTracker::Release() {
    if (capturing_) {
        releaseCapture();
        capturing_ = false;
    }
    pressed_ = false;
}

}  // namespace ui
