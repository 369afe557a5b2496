#pragma once

#include "platform/ui/DeviceContext.h"

namespace ui {

class Window;

// For WM_PAINT: draws on the window's surface clipped to its invalid part,
// validates it and shows the result when it goes out of scope.
class PaintDC : public DeviceContext {
public:
    explicit PaintDC(Window& window);
    ~PaintDC() override;

    // The part that needs painting (client coordinates).
    const Rect& paintRect() const { return paintRect_; }

private:
    Window& window_;
    Rect paintRect_;
};

// Draws on the window's surface outside WM_PAINT; shown when it goes out of scope.
class ClientDC : public DeviceContext {
public:
    explicit ClientDC(Window& window);
    ~ClientDC() override;

private:
    Window& window_;
};

}  // namespace ui
