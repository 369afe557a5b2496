#pragma once

#include <cstdint>

#include "platform/ui/Types.h"
#include "platform/ui/WindowHandle.h"

namespace ui {
class Window;
}

// While started, delivers every key press and release to its window as
// message 0x401: wParam's low byte is the virtual-key code of the physical
// key (left and right modifiers apart, Keypad Enter 0x0E); lParam bit 31 is
// set for a release and bits 0..30 hold the time in milliseconds (the X
// server's time for the keys it reports, the layer's clock for the others).
// A held key gives one press and one release.
//
// Keys come from the whole X11 session (XInput2 raw events, also under
// XWayland while an X window has the focus), from the program's own windows
// where the X server cannot see them (headless, a Wayland desktop), and from
// hook::injectKey (tests, scripts).
class CKeyboardHook {
public:
    static constexpr ui::UINT kKeyMessage = 0x401;

    CKeyboardHook();
    ~CKeyboardHook();
    CKeyboardHook(const CKeyboardHook&) = delete;
    CKeyboardHook& operator=(const CKeyboardHook&) = delete;

    bool StartHook(ui::Window* window);
    void StopHook();
    bool IsStarted() const;
    ui::WindowHandle Target() const { return target_; }

private:
    ui::WindowHandle target_;
    bool started_ = false;
};

namespace hook {

// Where system-wide keys come from. automatic: the X server of $DISPLAY when
// the program shows real windows and one can be reached; x11: that server
// even for a headless program (tests); off: only the program's own windows.
// Takes effect when the first hook starts.
enum class SystemKeys { automatic, x11, off };
void setSystemKeys(SystemKeys choice);

// True while the X server's keys reach the started hooks.
bool listeningToX11();

// A key event as the system would report it, delivered to every started hook.
void injectKey(std::uint8_t virtualKey, bool released);

// The lParam of message 0x401.
constexpr ui::LPARAM keyLParam(bool released, std::uint32_t milliseconds) {
    return static_cast<ui::LPARAM>((released ? 0x80000000u : 0u) | (milliseconds & 0x7FFFFFFFu));
}

}  // namespace hook
