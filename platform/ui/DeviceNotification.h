#pragma once

#include <list>
#include <mutex>
#include <string>

#include "platform/ui/Window.h"

namespace ui {

// Device-interface arrival and removal of every class, delivered to a window
// as WM_DEVICECHANGE: wParam DBT_DEVICEARRIVAL or DBT_DEVICEREMOVECOMPLETE,
// lParam the interface's path as a const char*. The paths stay valid while
// the registration lives, as a handler may read them whenever it runs.
class DeviceNotification {
public:
    explicit DeviceNotification(Window& target);
    ~DeviceNotification();
    DeviceNotification(const DeviceNotification&) = delete;
    DeviceNotification& operator=(const DeviceNotification&) = delete;

private:
    Window& target_;
    int listener_ = 0;
    std::mutex mutex_;
    std::list<std::string> paths_;
};

}  // namespace ui
