#include "platform/ui/PaintDC.h"

#include "platform/ui/Window.h"
#include "platform/ui/detail/WindowState.h"

namespace ui {

namespace {
Image& surfaceOf(Window& window) {
    return window.state().surface;
}
}  // namespace

PaintDC::PaintDC(Window& window) : DeviceContext(surfaceOf(window)), window_(window) {
    detail::WindowState& state = window.state();
    const Region invalid = state.invalid;
    const bool erase = state.erasePending;
    paintRect_ = invalid.bounds();
    window.validate();
    setClipRegion(invalid);
    if (erase) {
        window.WindowProc(WM_ERASEBKGND, 0, 0);
    }
}

PaintDC::~PaintDC() {
    detail::WindowState& state = window_.state();
    if (state.native && !paintRect_.isEmpty()) {
        state.native->present(paintRect_);
    }
}

ClientDC::ClientDC(Window& window) : DeviceContext(surfaceOf(window)), window_(window) {}

ClientDC::~ClientDC() {
    detail::WindowState& state = window_.state();
    if (state.native) {
        state.native->present(window_.clientRect());
    }
}

}  // namespace ui
