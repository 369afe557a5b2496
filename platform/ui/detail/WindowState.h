#pragma once

#include <chrono>
#include <memory>
#include <vector>

#include "platform/ui/Image.h"
#include "platform/ui/Region.h"
#include "platform/ui/Window.h"
#include "platform/ui/detail/NativeWindow.h"

namespace ui {
class EditControl;
}

namespace ui::detail {

struct MouseTracking {
    UINT flags = 0;  // TME_HOVER | TME_LEAVE still asked for
    std::chrono::nanoseconds hoverTime{0};
    std::chrono::nanoseconds hoverDue{0};
    Point hoverAnchor;  // client point where the pointer must rest
};

struct WindowState {
    WindowHandle handle;
    bool exists = false;
    WindowOptions options;
    Rect screenRect;
    std::string title;
    bool visible = false;
    bool minimized = false;
    bool maximized = false;
    bool enabled = true;
    bool topmost = false;
    Cursor cursor = Cursor::arrow;
    Region shape;
    int alpha = 255;
    Image surface;
    Region invalid;
    bool erasePending = false;
    MouseTracking tracking;
    bool modalRunning = false;
    bool modalEnded = false;
    int modalResult = 0;
    std::vector<EditControl*> edits;
    std::unique_ptr<NativeWindow> native;
};

}  // namespace ui::detail
