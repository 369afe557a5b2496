#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/Messages.h"
#include "platform/ui/Region.h"
#include "platform/ui/Types.h"
#include "platform/ui/WindowHandle.h"

namespace ui {

class Image;
namespace detail {
struct WindowState;
}

enum class Cursor { arrow, hand, wait, ibeam };

enum class ShowCommand { hide, showNormal, show, showNoActivate, minimize, maximize, restore };

enum class Erase { no, yes };

// How a top-level window is made. The whole window is client area: the
// programs draw their own frames.
struct WindowOptions {
    Rect rect;  // screen position and size
    std::string title;
    class Window* owner = nullptr;  // owned windows stay above their owner
    bool visible = false;
    bool doubleClicks = false;  // the second click of a double click arrives as WM_LBUTTONDBLCLK
    bool topmost = false;
    bool toolWindow = false;  // no task-bar entry
    bool activate = true;     // showing the window makes it the active one
    Cursor cursor = Cursor::arrow;
};

// A top-level window: the target of messages. Windows are created, used and
// destroyed on the window thread only; other threads reach them with
// PostMessage and a WindowHandle.
class Window {
public:
    Window();
    // A window still open here is torn down without further messages: derived
    // classes that need WM_DESTROY call destroy() in their own destructor.
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Sends WM_CREATE; false when no UI session runs or WM_CREATE returned -1.
    bool create(const WindowOptions& options);
    // Sends WM_DESTROY and WM_NCDESTROY, then calls PostNcDestroy (last: it may delete this).
    void destroy();
    bool exists() const;
    WindowHandle handle() const;

    // Calls the handler of each message below; the rest goes to DefWindowProc.
    // Windows that dispatch by message number override this and call the base
    // for what they leave alone.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing: WM_CLOSE destroys, WM_NCLBUTTONDOWN on HTCAPTION drags
    // the window, WM_PAINT validates, WM_NCACTIVATE returns TRUE.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Keyboard messages meant for this window or one of its edit controls pass
    // here first; true swallows them.
    virtual bool PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone; a window that owns itself deletes itself here.
    virtual void PostNcDestroy() {}

    // Geometry, in screen coordinates; the client rectangle is (0, 0, width, height).
    Rect windowRect() const;
    Rect clientRect() const;
    void setWindowRect(const Rect& screenRect);
    void move(Point topLeft);
    void resize(Size size);
    void centerOn(const Window* other);  // null: the screen's work area
    Point clientToScreen(Point client) const;
    Point screenToClient(Point screen) const;

    void show(ShowCommand command);
    bool isVisible() const;
    bool isMinimized() const;
    bool isMaximized() const;
    void bringToFront();  // shows and activates
    bool isActive() const;
    void setTopmost(bool topmost);
    bool isTopmost() const;
    void enable(bool enabled);  // a disabled window receives no mouse or key input
    bool isEnabled() const;
    void setTitle(const std::string& title);
    const std::string& title() const;
    void setIcon(int resourceId);
    Window* owner() const;

    // The class cursor, shown while the pointer is over the window.
    void setCursor(Cursor cursor);
    Cursor cursor() const;
    // Input outside the shape does not reach the window; an empty region removes the shape.
    void setShape(const Region& shape);
    const Region& shape() const;
    // A layered window with one alpha for all its pixels (255 = opaque).
    void setAlpha(int alpha);
    int alpha() const;

    // Painting: invalid parts are collected and painted with one WM_PAINT when
    // the queue has nothing else to do.
    void invalidate(Erase erase = Erase::no);
    void invalidate(const Rect& rect, Erase erase = Erase::no);
    void validate();
    Rect invalidBounds() const;
    void updateWindow();  // paints now when something is invalid
    // Replaces the whole surface with a picture at once, as a layered window's update does.
    void present(const Image& picture);
    const Image& surface() const;

    // WM_TIMER with wParam = id every period; setting an existing id restarts it.
    bool setTimer(std::uintptr_t id, unsigned milliseconds);
    bool killTimer(std::uintptr_t id);

    // Mouse capture: every mouse message goes to this window until released.
    void setCapture();
    bool hasCapture() const;
    // Asks for WM_MOUSEHOVER after the pointer rested hoverMilliseconds and for
    // WM_MOUSELEAVE when it leaves (TME_HOVER | TME_LEAVE, TME_CANCEL).
    bool trackMouseEvent(UINT flags, unsigned hoverMilliseconds = HOVER_DEFAULT);

    // A nested message loop that ends with endModal; the owner is disabled meanwhile.
    int runModal();
    void endModal(int result);
    bool inModalRun() const;
    // True once endModal was called for the current run, until the run returns.
    bool modalEnded() const;

    detail::WindowState& state() const { return *state_; }

protected:
    // Message handlers; the defaults do what DefWindowProc does. Points are in
    // client coordinates, except the wheel's, which is on the screen.
    virtual int OnCreate() { return 0; }  // -1 refuses the window
    virtual void OnDestroy() {}
    virtual void OnClose() { destroy(); }
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd() { return FALSE; }
    virtual void OnMouseMove(UINT /*flags*/, Point /*point*/) {}
    virtual void OnMouseHover(UINT /*flags*/, Point /*point*/) {}
    virtual void OnMouseLeave() {}
    virtual void OnLButtonDown(UINT /*flags*/, Point /*point*/) {}
    virtual void OnLButtonUp(UINT /*flags*/, Point /*point*/) {}
    virtual void OnLButtonDblClk(UINT /*flags*/, Point /*point*/) {}
    virtual void OnRButtonDown(UINT /*flags*/, Point /*point*/) {}
    virtual void OnRButtonUp(UINT /*flags*/, Point /*point*/) {}
    virtual void OnMouseWheel(UINT /*flags*/, int /*delta*/, Point /*screen*/) {}
    virtual void OnKeyDown(UINT /*virtualKey*/, UINT /*flags*/) {}
    virtual void OnKeyUp(UINT /*virtualKey*/, UINT /*flags*/) {}
    virtual void OnTimer(std::uintptr_t /*id*/) {}
    // True when the command was handled.
    virtual bool OnCommand(WPARAM /*wParam*/, LPARAM /*lParam*/) { return false; }
    virtual BOOL OnNcActivate(BOOL /*active*/) { return TRUE; }

private:
    std::unique_ptr<detail::WindowState> state_;
};

}  // namespace ui
