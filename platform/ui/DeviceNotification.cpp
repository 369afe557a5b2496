#include "platform/ui/DeviceNotification.h"

#include "platform/hid/Bus.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Messaging.h"

namespace ui {

DeviceNotification::DeviceNotification(Window& target) : target_(target) {
    listener_ = hid::bus().addListener([this](const hid::DeviceChange& change) {
        const char* path = nullptr;
        {
            std::lock_guard lock(mutex_);
            path = paths_.emplace_back(change.path).c_str();
        }
        const WPARAM event =
            change.kind == hid::DeviceChangeKind::Arrival ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;
        PostMessage(&target_, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(path));
    });
}

DeviceNotification::~DeviceNotification() {
    hid::bus().removeListener(listener_);
}

}  // namespace ui
