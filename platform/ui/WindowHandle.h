#pragma once

#include <cstdint>

namespace ui {

// The thread-safe name of a window. Handles are never reused, so a message
// posted to a window that is gone is dropped instead of reaching a stranger.
struct WindowHandle {
    std::uint64_t value = 0;

    explicit operator bool() const { return value != 0; }
    friend bool operator==(WindowHandle, WindowHandle) = default;
};

}  // namespace ui
