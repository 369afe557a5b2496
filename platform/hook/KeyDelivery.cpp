#include "platform/hook/KeyDelivery.h"

#include <algorithm>
#include <bitset>
#include <mutex>

#include "platform/hook/CKeyboardHook.h"
#include "platform/ui/Messaging.h"

namespace hook::detail {

namespace {

std::mutex deliveryMutex;
std::vector<const CKeyboardHook*> startedHooks;
std::bitset<256> heldKeys;

// The side-less codes have no HID usage; a source that cannot tell the side
// (a window without the desktop's keycode) reports the left key.
std::uint8_t withSide(std::uint8_t virtualKey) {
    switch (virtualKey) {
        case 0x10:
            return 0xA0;
        case 0x11:
            return 0xA2;
        case 0x12:
            return 0xA4;
        default:
            return virtualKey;
    }
}

// True when the event is to be passed on; keeps the held keys.
// Repeats reported as such are dropped whole (a desktop may repeat a held
// key as release and press pairs); a source that cannot tell repeats shows
// them as presses of a key that is still held.
bool takeKey(std::uint8_t virtualKey, bool released, Repeat repeat) {
    if (repeat == Repeat::yes) {
        return false;
    }
    if (released) {
        heldKeys.reset(virtualKey);
        return true;
    }
    if (repeat == Repeat::unknown && heldKeys.test(virtualKey)) {
        return false;
    }
    heldKeys.set(virtualKey);
    return true;
}

}  // namespace

void deliverKey(const KeyEvent& event) {
    const std::uint8_t virtualKey = withSide(event.virtualKey);
    if (virtualKey == 0) {
        return;
    }
    std::vector<ui::WindowHandle> windows;
    {
        std::lock_guard lock(deliveryMutex);
        if (startedHooks.empty() || !takeKey(virtualKey, event.released, event.repeat)) {
            return;
        }
        for (const CKeyboardHook* hook : startedHooks) {
            windows.push_back(hook->Target());
        }
    }
    const ui::LPARAM lParam = keyLParam(event.released, event.milliseconds);
    for (ui::WindowHandle window : windows) {
        ui::PostMessage(window, CKeyboardHook::kKeyMessage, virtualKey, lParam);
    }
}

bool addStartedHook(const CKeyboardHook* hook) {
    std::lock_guard lock(deliveryMutex);
    const bool first = startedHooks.empty();
    if (first) {
        heldKeys.reset();  // releases missed while nobody listened
    }
    startedHooks.push_back(hook);
    return first;
}

bool removeStartedHook(const CKeyboardHook* hook) {
    std::lock_guard lock(deliveryMutex);
    const auto removed = std::erase(startedHooks, hook);
    return removed > 0 && startedHooks.empty();
}

}  // namespace hook::detail
