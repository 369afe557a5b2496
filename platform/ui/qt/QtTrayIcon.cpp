#include "platform/ui/qt/QtTrayIcon.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QPixmap>

#include <vector>

#include "platform/ui/detail/Dispatcher.h"
#include "platform/ui/detail/GraphicsData.h"
#include "platform/ui/detail/QtConvert.h"

namespace ui::qt {

namespace {

// Qt shows the icon through the desktop's status-notifier host when one is
// registered on the session bus, else in an XEmbed tray.
bool statusNotifierHostPresent() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    if (!bus.isConnected() || bus.interface() == nullptr || !bus.interface()->isServiceRegistered(watcher)) {
        return false;
    }
    QDBusInterface properties(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    return properties.property("IsStatusNotifierHostRegistered").toBool();
}

// The mouse messages a desktop icon gets for what Qt reports in one signal. A
// status-notifier host reports one activation (its primary click) and never a
// double click: that activation is how its users open a program, so it stands
// for the double click too.
std::vector<UINT> mouseMessagesOf(QSystemTrayIcon::ActivationReason reason, bool statusNotifier) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            if (statusNotifier) {
                return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
            }
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

QtTrayIcon::QtTrayIcon(Window& owner, UINT id)
    : owner_(owner), id_(id), statusNotifier_(statusNotifierHostPresent()) {
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
    for (UINT message : mouseMessagesOf(reason, statusNotifier_)) {
        dispatcher->trayIcons().notify(&owner_, id_, message);
    }
}

}  // namespace ui::qt
