#include "platform/hook/CKeyboardHook.h"

#include <memory>
#include <mutex>

#include "platform/core/Clock.h"
#include "platform/hook/KeyCodeTable.h"
#include "platform/hook/KeyDelivery.h"
#include "platform/hook/x11/X11KeySource.h"
#include "platform/ui/KeyObserver.h"
#include "platform/ui/Session.h"
#include "platform/ui/Window.h"

namespace {

using hook::detail::KeyEvent;
using hook::detail::Repeat;

// The sources run while at least one hook is started. Window thread.
std::mutex sourcesMutex;
hook::SystemKeys systemKeys = hook::SystemKeys::automatic;
std::unique_ptr<hook::X11KeySource> x11Source;

std::uint32_t nowMilliseconds() {
    return core::systemClock().tickCount();
}

// A key of the program's own windows; the desktop's keycode names the physical key.
void onOwnWindowKey(const ui::KeyStroke& stroke) {
    std::uint8_t virtualKey = hook::virtualKeyOfXKeycode(stroke.nativeKeycode);
    if (virtualKey == 0) {
        virtualKey = static_cast<std::uint8_t>(stroke.virtualKey & 0xFF);
    }
    hook::detail::deliverKey(KeyEvent{virtualKey, stroke.released,
                                      stroke.autoRepeat ? Repeat::yes : Repeat::no, nowMilliseconds()});
}

bool wantsX11() {
    switch (systemKeys) {
        case hook::SystemKeys::x11:
            return true;
        case hook::SystemKeys::off:
            return false;
        default:
            return ui::Session::running() && ui::Session::backend() == ui::Backend::qt;
    }
}

void startSources() {
    if (wantsX11()) {
        x11Source = hook::X11KeySource::open([](std::uint8_t virtualKey, bool released, std::uint32_t time) {
            hook::detail::deliverKey(KeyEvent{virtualKey, released, Repeat::unknown, time});
        });
    }
    // On an X11 desktop the server already reports the keys of our own windows.
    const bool serverSeesOwnWindows = x11Source && ui::windowSystem() == ui::WindowSystem::x11;
    if (!serverSeesOwnWindows) {
        ui::setKeyObserver(onOwnWindowKey);
    }
}

void stopSources() {
    ui::setKeyObserver({});
    x11Source.reset();
}

}  // namespace

CKeyboardHook::CKeyboardHook() = default;

CKeyboardHook::~CKeyboardHook() {
    StopHook();
}

bool CKeyboardHook::StartHook(ui::Window* window) {
    if (!window) {
        return false;
    }
    StopHook();
    std::lock_guard lock(sourcesMutex);
    target_ = window->handle();
    started_ = true;
    if (hook::detail::addStartedHook(this)) {
        startSources();
    }
    return true;
}

void CKeyboardHook::StopHook() {
    std::lock_guard lock(sourcesMutex);
    if (!started_) {
        return;
    }
    started_ = false;
    if (hook::detail::removeStartedHook(this)) {
        stopSources();
    }
}

bool CKeyboardHook::IsStarted() const {
    return started_;
}

namespace hook {

void setSystemKeys(SystemKeys choice) {
    std::lock_guard lock(sourcesMutex);
    systemKeys = choice;
}

bool listeningToX11() {
    std::lock_guard lock(sourcesMutex);
    return x11Source != nullptr;
}

void injectKey(std::uint8_t virtualKey, bool released) {
    detail::deliverKey(KeyEvent{virtualKey, released, Repeat::unknown, nowMilliseconds()});
}

}  // namespace hook
