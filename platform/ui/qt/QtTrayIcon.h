#pragma once

#include <QSystemTrayIcon>

#include "platform/ui/Window.h"
#include "platform/ui/detail/NativeTrayIcon.h"

namespace ui::qt {

// One QSystemTrayIcon; its activations come back as the icon's callback messages.
// No context menu is set: the program opens its own on WM_RBUTTONUP.
class QtTrayIcon final : public detail::NativeTrayIcon {
public:
    QtTrayIcon(Window& owner, UINT id);

    void update(const Image& picture, const std::string& tip) override;

private:
    void activated(QSystemTrayIcon::ActivationReason reason) const;

    Window& owner_;
    UINT id_;
    bool statusNotifier_;  // shown by the desktop's status-notifier host
    QSystemTrayIcon icon_;
};

}  // namespace ui::qt
