#pragma once

#include <string>

#include "platform/ui/Image.h"
#include "platform/ui/Region.h"
#include "platform/ui/Types.h"
#include "platform/ui/Window.h"

namespace ui::detail {

// What a backend does for one top-level window. The shared code keeps the
// window's state; the backend only mirrors it on the desktop (or records it).
class NativeWindow {
public:
    virtual ~NativeWindow() = default;

    virtual void setGeometry(const Rect& screenRect) = 0;
    virtual void setShown(bool visible, bool minimized, bool maximized, bool activate) = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void setTopmost(bool topmost) = 0;
    virtual void setShape(const Region& shape) = 0;
    virtual void setAlpha(int alpha) = 0;
    virtual void setCursor(Cursor cursor) = 0;
    virtual void setIcon(const Image& icon) = 0;
    // The surface changed inside the rectangle (client coordinates).
    virtual void present(const Rect& changed) = 0;
    virtual void grabMouse(bool grab) = 0;
    virtual void activate() = 0;
    // True when the desktop moves the window itself; false lets the layer follow the pointer.
    virtual bool beginSystemMove() = 0;
};

}  // namespace ui::detail
