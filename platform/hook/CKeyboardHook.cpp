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
std::vector<CKeyboardHook*> startedHooks;
std::vector<ui::WindowHandle> targets;

void deliver(std::uint8_t virtualKey, bool released) {
    std::vector<ui::WindowHandle> windows;
    {
        std::lock_guard lock(hooksMutex);
        windows = targets;
    }
    const ui::LPARAM lParam = hook::keyLParam(released, core::systemClock().tickCount());
    for (ui::WindowHandle window : windows) {
        ui::PostMessage(window, CKeyboardHook::kKeyMessage, virtualKey, lParam);
    }
}

void rebuildTargets(const std::vector<ui::WindowHandle>& windows) {
    targets = windows;
    if (targets.empty()) {
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
    std::vector<ui::WindowHandle> windows = targets;
    windows.push_back(target_);
    startedHooks.push_back(this);
    rebuildTargets(windows);
    return true;
}

void CKeyboardHook::StopHook() {
    std::lock_guard lock(hooksMutex);
    if (!started_) {
        return;
    }
    started_ = false;
    auto hook = std::find(startedHooks.begin(), startedHooks.end(), this);
    if (hook != startedHooks.end()) {
        targets.erase(targets.begin() + (hook - startedHooks.begin()));
        startedHooks.erase(hook);
    }
    rebuildTargets(targets);
}

bool CKeyboardHook::IsStarted() const {
    return started_;
}

namespace hook {

void injectKey(std::uint8_t virtualKey, bool released) {
    deliver(virtualKey, released);
}

}  // namespace hook
