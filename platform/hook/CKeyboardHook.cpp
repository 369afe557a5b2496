#include "platform/hook/CKeyboardHook.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/core/Clock.h"
#include "platform/ui/KeyObserver.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/Window.h"

namespace {

// The started hooks; injected keys may come from any thread.
std::mutex hooksMutex;
std::vector<const CKeyboardHook*> startedHooks;

void deliver(std::uint8_t virtualKey, bool released) {
    std::vector<ui::WindowHandle> windows;
    {
        std::lock_guard lock(hooksMutex);
        for (const CKeyboardHook* hook : startedHooks)
            windows.push_back(hook->Target());
    }
    const ui::LPARAM lParam = hook::keyLParam(released, core::systemClock().tickCount());
    for (ui::WindowHandle window : windows) {
        ui::PostMessage(window, CKeyboardHook::kKeyMessage, virtualKey, lParam);
    }
}

// Keys of the program's own windows reach the hooks while any is started.
void followOwnWindows() {
    if (startedHooks.empty()) {
        ui::setKeyObserver({});
    } else {
        ui::setKeyObserver([](int virtualKey, bool released) {
            deliver(static_cast<std::uint8_t>(virtualKey & 0xFF), released);
        });
    }
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
    std::lock_guard lock(hooksMutex);
    target_ = window->handle();
    started_ = true;
    startedHooks.push_back(this);
    followOwnWindows();
    return true;
}

void CKeyboardHook::StopHook() {
    std::lock_guard lock(hooksMutex);
    if (!started_) {
        return;
    }
    started_ = false;
    std::erase(startedHooks, this);
    followOwnWindows();
}

bool CKeyboardHook::IsStarted() const {
    return started_;
}

namespace hook {

void injectKey(std::uint8_t virtualKey, bool released) {
    deliver(virtualKey, released);
}

}  // namespace hook
