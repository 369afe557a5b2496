#pragma once

#include <memory>

namespace ui {

enum class Backend {
    qt,        // real windows on the desktop
    headless,  // no native windows; driven by ui::headless::Driver
};

// QUELDA_UI_BACKEND=headless chooses the headless backend; anything else qt.
Backend backendFromEnvironment();

// The desktop the program's windows are on: none without a session or
// headless, X11 (also XWayland), a Wayland compositor, or another.
enum class WindowSystem { none, x11, wayland, other };
WindowSystem windowSystem();

// The UI layer of the process: one session at a time, made on the window thread
// before the first window, image or font. Closing it destroys windows still open.
class Session {
public:
    explicit Session(Backend backend);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    static bool running();
    static Backend backend();

private:
    bool owner_ = false;
};

}  // namespace ui
