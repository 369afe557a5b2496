#include "platform/ui/qt/QtTrayIcon.h"

#include <QPixmap>

#include <vector>

#include "platform/ui/detail/Dispatcher.h"
#include "platform/ui/detail/GraphicsData.h"
#include "platform/ui/detail/QtConvert.h"

namespace ui::qt {

namespace {

// The mouse messages a desktop icon gets for what Qt reports in one signal.
std::vector<UINT> mouseMessagesOf(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            return {WM_LBUTTONDOWN, WM_LBUTTONUP};
        case QSystemTrayIcon::DoubleClick:
            return {WM_LBUTTONDBLCLK};
        case QSystemTrayIcon::Context:
            return {WM_RBUTTONDOWN, WM_RBUTTONUP};
        default:
            return {};
    }
}

}  // namespace

QtTrayIcon::QtTrayIcon(Window& owner, UINT id) : owner_(owner), id_(id) {
    QObject::connect(&icon_, &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) { activated(reason); });
}

void QtTrayIcon::update(const Image& picture, const std::string& tip) {
    icon_.setIcon(QIcon(QPixmap::fromImage(picture.data().image)));
    icon_.setToolTip(detail::toQString(tip));
    if (!icon_.isVisible()) {
        icon_.show();
    }
}

void QtTrayIcon::activated(QSystemTrayIcon::ActivationReason reason) const {
    detail::Dispatcher* dispatcher = detail::Dispatcher::current();
    if (dispatcher == nullptr) {
        return;
    }
    for (UINT message : mouseMessagesOf(reason)) {
        dispatcher->trayIcons().notify(&owner_, id_, message);
    }
}

}  // namespace ui::qt
