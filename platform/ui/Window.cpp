#include "platform/ui/Window.h"

#include "platform/ui/DeviceContext.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Image.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/detail/Dispatcher.h"
#include "platform/ui/detail/WindowState.h"

namespace ui {

using detail::Dispatcher;

namespace {

Image blankSurface(Size size) {
    return Image(size.width, size.height, 0xFF000000u);
}

}  // namespace

Window::Window() : state_(std::make_unique<detail::WindowState>()) {}

Window::~Window() {
    Dispatcher* dispatcher = Dispatcher::current();
    if (!state_->exists || dispatcher == nullptr) {
        return;
    }
    // Torn down without messages: the derived parts of this window are gone already.
    for (Window* other : dispatcher->windows()) {
        if (other->state_->options.owner == this) {
            other->state_->options.owner = nullptr;
        }
    }
    dispatcher->input().forget(*this);
    dispatcher->removeTimers(*this);
    for (EditControl* edit : std::vector<EditControl*>(state_->edits)) {
        edit->destroy();
    }
    state_->native.reset();
    dispatcher->remove(*this);
    state_->exists = false;
}

bool Window::create(const WindowOptions& options) {
    Dispatcher* dispatcher = Dispatcher::current();
    if (dispatcher == nullptr || state_->exists) {
        return false;
    }
    detail::WindowState& s = *state_;
    s.options = options;
    s.screenRect = options.rect;
    s.title = options.title;
    s.topmost = options.topmost;
    s.cursor = options.cursor;
    s.surface = blankSurface({options.rect.width(), options.rect.height()});
    s.handle = dispatcher->add(*this);
    s.exists = true;
    s.native = dispatcher->backend().createWindow(*this);
    s.invalid = Region(clientRect());
    const WindowHandle handle = s.handle;
    if (WindowProc(WM_CREATE, 0, 0) == -1) {
        destroy();
        return false;
    }
    if (options.visible && dispatcher->find(handle) == this && !isVisible()) {
        show(ShowCommand::show);
    }
    return dispatcher->find(handle) == this;
}

void Window::destroy() {
    Dispatcher* dispatcher = Dispatcher::current();
    if (!state_->exists || dispatcher == nullptr) {
        return;
    }
    // Owned windows go first, as they cannot outlive their owner.
    for (Window* other : dispatcher->windows()) {
        if (other != this && other->state_->options.owner == this) {
            other->destroy();
        }
    }
    if (!state_->exists) {
        return;
    }
    state_->modalEnded = true;
    if (state_->visible) {
        state_->visible = false;
        state_->native->setShown(false, false, false, false);
    }
    dispatcher->input().forget(*this);
    WindowProc(WM_DESTROY, 0, 0);
    for (EditControl* edit : std::vector<EditControl*>(state_->edits)) {
        edit->destroy();
    }
    dispatcher->removeTimers(*this);
    dispatcher->input().forget(*this);
    state_->native.reset();
    dispatcher->remove(*this);
    state_->exists = false;
    WindowProc(WM_NCDESTROY, 0, 0);
    PostNcDestroy();  // may delete this
}

bool Window::exists() const {
    return state_->exists;
}
WindowHandle Window::handle() const {
    return state_->handle;
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto flags = static_cast<UINT>(wParam);
    const Point point = pointFromParam(lParam);
    switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return OnEraseBkgnd();
        case WM_MOUSEMOVE:
            OnMouseMove(flags, point);
            return 0;
        case WM_MOUSEHOVER:
            OnMouseHover(flags, point);
            return 0;
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown(flags, point);
            return 0;
        case WM_LBUTTONUP:
            OnLButtonUp(flags, point);
            return 0;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(flags, point);
            return 0;
        case WM_RBUTTONDOWN:
            OnRButtonDown(flags, point);
            return 0;
        case WM_RBUTTONUP:
            OnRButtonUp(flags, point);
            return 0;
        case WM_MOUSEWHEEL:
            OnMouseWheel(static_cast<UINT>(loWord(wParam)), signedHiWord(wParam), point);
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(flags, static_cast<UINT>(lParam));
            return 0;
        case WM_KEYUP:
            OnKeyUp(flags, static_cast<UINT>(lParam));
            return 0;
        case WM_TIMER:
            OnTimer(static_cast<std::uintptr_t>(wParam));
            return 0;
        case WM_COMMAND:
            return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
        case WM_NCACTIVATE:
            return OnNcActivate(static_cast<BOOL>(wParam));
        default:
            return DefWindowProc(message, wParam, lParam);
    }
}

void Window::OnPaint() {
    PaintDC dc(*this);
}

LRESULT Window::DefWindowProc(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
        case WM_CLOSE:
            destroy();
            return 0;
        case WM_PAINT: {
            PaintDC dc(*this);
            return 0;
        }
        case WM_NCACTIVATE:
            return TRUE;
        case WM_NCHITTEST:
            return static_cast<LRESULT>(HTCLIENT);
        case WM_NCLBUTTONDOWN:
            if (wParam == HTCAPTION && Dispatcher::current() != nullptr) {
                Dispatcher::current()->input().systemMove(*this);
            }
            return 0;
        default:
            return 0;
    }
}

bool Window::PreTranslateMessage(UINT, WPARAM, LPARAM) {
    return false;
}

Rect Window::windowRect() const {
    return state_->screenRect;
}
Rect Window::clientRect() const {
    return {0, 0, state_->screenRect.width(), state_->screenRect.height()};
}

void Window::setWindowRect(const Rect& screenRect) {
    detail::WindowState& s = *state_;
    const bool resized =
        screenRect.width() != s.screenRect.width() || screenRect.height() != s.screenRect.height();
    const bool moved = screenRect.topLeft() != s.screenRect.topLeft();
    if (!resized && !moved) {
        return;
    }
    s.screenRect = screenRect;
    if (resized) {
        Image larger = blankSurface({screenRect.width(), screenRect.height()});
        if (!s.surface.isNull() && !larger.isNull()) {
            DeviceContext(larger).bitBlt({0, 0, s.surface.width(), s.surface.height()}, s.surface, {0, 0});
        }
        s.surface = std::move(larger);
        s.invalid = Region(clientRect());
    }
    if (s.native) {
        s.native->setGeometry(screenRect);
    }
    if (moved) {
        WindowProc(WM_MOVE, 0, makeLParam(screenRect.left, screenRect.top));
    }
    if (resized && exists()) {
        WindowProc(WM_SIZE, SIZE_RESTORED, makeLParam(screenRect.width(), screenRect.height()));
    }
}

void Window::move(Point topLeft) {
    const Rect& r = state_->screenRect;
    setWindowRect(rectAt(topLeft.x, topLeft.y, r.width(), r.height()));
}

void Window::resize(Size size) {
    const Rect& r = state_->screenRect;
    setWindowRect(rectAt(r.left, r.top, size.width, size.height));
}

void Window::centerOn(const Window* other) {
    const Rect base = other != nullptr ? other->windowRect() : workArea();
    const Rect& r = state_->screenRect;
    move({base.left + (base.width() - r.width()) / 2, base.top + (base.height() - r.height()) / 2});
}

Point Window::clientToScreen(Point client) const {
    return {client.x + state_->screenRect.left, client.y + state_->screenRect.top};
}

Point Window::screenToClient(Point screen) const {
    return {screen.x - state_->screenRect.left, screen.y - state_->screenRect.top};
}

void Window::show(ShowCommand command) {
    detail::WindowState& s = *state_;
    if (!s.exists) {
        return;
    }
    const bool wasVisible = s.visible;
    bool activate = false;
    switch (command) {
        case ShowCommand::hide:
            s.visible = false;
            break;
        case ShowCommand::showNormal:
        case ShowCommand::restore:
            s.visible = true;
            s.minimized = false;
            s.maximized = false;
            activate = true;
            break;
        case ShowCommand::show:
            s.visible = true;
            activate = true;
            break;
        case ShowCommand::showNoActivate:
            s.visible = true;
            break;
        case ShowCommand::minimize:
            s.visible = true;
            s.minimized = true;
            break;
        case ShowCommand::maximize:
            s.visible = true;
            s.minimized = false;
            s.maximized = true;
            activate = true;
            break;
    }
    if (wasVisible != s.visible) {
        WindowProc(WM_SHOWWINDOW, s.visible ? TRUE : FALSE, 0);
        if (!s.exists) {
            return;
        }
    }
    if (!s.visible || s.minimized) {
        Dispatcher::current()->input().windowHidden(*this);
    }
    s.native->setShown(s.visible, s.minimized, s.maximized, activate && s.options.activate);
}

bool Window::isVisible() const {
    return state_->exists && state_->visible;
}
bool Window::isMinimized() const {
    return state_->minimized;
}
bool Window::isMaximized() const {
    return state_->maximized;
}

void Window::bringToFront() {
    if (!state_->exists) {
        return;
    }
    if (!state_->visible || state_->minimized) {
        show(ShowCommand::showNormal);
    }
    state_->native->activate();
}

bool Window::isActive() const {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher != nullptr && dispatcher->input().active() == this;
}

void Window::setTopmost(bool topmost) {
    state_->topmost = topmost;
    if (state_->native) {
        state_->native->setTopmost(topmost);
    }
}

bool Window::isTopmost() const {
    return state_->topmost;
}

void Window::enable(bool enabled) {
    state_->enabled = enabled;
    if (!enabled && Dispatcher::current() != nullptr && Dispatcher::current()->input().capture() == this) {
        releaseCapture();
    }
}

bool Window::isEnabled() const {
    return state_->enabled;
}

void Window::setTitle(const std::string& title) {
    state_->title = title;
    if (state_->native) {
        state_->native->setTitle(title);
    }
}

const std::string& Window::title() const {
    return state_->title;
}

void Window::setIcon(int resourceId) {
    Image icon = Image::fromPngResource(resourceId);
    if (state_->native && !icon.isNull()) {
        state_->native->setIcon(icon);
    }
}

Window* Window::owner() const {
    return state_->options.owner;
}

void Window::setCursor(Cursor cursor) {
    state_->cursor = cursor;
    if (state_->native) {
        state_->native->setCursor(cursor);
    }
}

Cursor Window::cursor() const {
    return state_->cursor;
}

void Window::setShape(const Region& shape) {
    state_->shape = shape;
    if (state_->native) {
        state_->native->setShape(shape);
    }
}

const Region& Window::shape() const {
    return state_->shape;
}

void Window::setAlpha(int alpha) {
    state_->alpha = std::clamp(alpha, 0, 255);
    if (state_->native) {
        state_->native->setAlpha(state_->alpha);
    }
}

int Window::alpha() const {
    return state_->alpha;
}

void Window::invalidate(Erase erase) {
    invalidate(clientRect(), erase);
}

void Window::invalidate(const Rect& rect, Erase erase) {
    const Rect part = rect.intersected(clientRect());
    if (!state_->exists || part.isEmpty()) {
        return;
    }
    state_->invalid.unite(part);
    state_->erasePending = state_->erasePending || erase == Erase::yes;
    if (Dispatcher::current() != nullptr) {
        Dispatcher::current()->backend().wake();
    }
}

void Window::validate() {
    state_->invalid = Region();
    state_->erasePending = false;
}

Rect Window::invalidBounds() const {
    return state_->invalid.bounds();
}

void Window::updateWindow() {
    if (state_->exists && state_->visible && !state_->invalid.isEmpty()) {
        WindowProc(WM_PAINT, 0, 0);
    }
}

void Window::present(const Image& picture) {
    if (!state_->exists) {
        return;
    }
    {
        DeviceContext dc(state_->surface);
        dc.bitBlt(clientRect(), picture, {0, 0});
    }
    validate();
    state_->native->present(clientRect());
}

const Image& Window::surface() const {
    return state_->surface;
}

bool Window::setTimer(std::uintptr_t id, unsigned milliseconds) {
    if (!state_->exists) {
        return false;
    }
    Dispatcher::current()->setTimer(*this, id, milliseconds);
    return true;
}

bool Window::killTimer(std::uintptr_t id) {
    return state_->exists && Dispatcher::current()->killTimer(*this, id);
}

void Window::setCapture() {
    if (state_->exists) {
        Dispatcher::current()->input().setCapture(*this);
    }
}

bool Window::hasCapture() const {
    return state_->exists && Dispatcher::current()->input().capture() == this;
}

bool Window::trackMouseEvent(UINT flags, unsigned hoverMilliseconds) {
    return state_->exists && Dispatcher::current()->input().track(*this, flags, hoverMilliseconds);
}

int Window::runModal() {
    Dispatcher* dispatcher = Dispatcher::current();
    if (!state_->exists || dispatcher == nullptr || state_->modalRunning) {
        return -1;
    }
    const WindowHandle handle = state_->handle;
    const WindowHandle ownerHandle = owner() ? owner()->handle() : WindowHandle{};
    const bool ownerWasEnabled = owner() ? owner()->isEnabled() : true;
    if (owner() != nullptr) {
        owner()->enable(false);
    }
    state_->modalRunning = true;
    state_->modalEnded = false;
    state_->modalResult = -1;
    dispatcher->runUntil(
        [&] {
            Window* self = dispatcher->find(handle);
            return self == nullptr || self->state_->modalEnded;
        },
        this);
    int result = -1;
    if (Window* self = dispatcher->find(handle)) {
        self->state_->modalRunning = false;
        result = self->state_->modalResult;
    }
    if (Window* ownerWindow = dispatcher->find(ownerHandle)) {
        ownerWindow->enable(ownerWasEnabled);
    }
    return result;
}

void Window::endModal(int result) {
    state_->modalResult = result;
    state_->modalEnded = true;
    if (Dispatcher::current() != nullptr) {
        Dispatcher::current()->backend().wake();
    }
}

bool Window::inModalRun() const {
    return state_->modalRunning;
}

bool Window::modalEnded() const {
    return state_->modalRunning && state_->modalEnded;
}

}  // namespace ui
