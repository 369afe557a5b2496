// A desktop's status-notifier host, as small as a test needs: it owns the
// watcher's name on the session bus, says a host is there, and once an item
// registers it activates it, as a user's click on the icon does.
//
//   fake_status_notifier_host [ACTIVATE_AFTER_MS]
// Prints "item SERVICE" when an item registers, "activated" after the call.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <cstdio>

class Watcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)

public:
    explicit Watcher(int activateAfter) : activateAfter_(activateAfter) {}
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList items() const { return items_; }

public slots:
    void RegisterStatusNotifierItem(const QString& item, const QDBusMessage& message) {
        // An item names its own service, or only its path on the caller's connection.
        const QString service = item.startsWith(u'/') ? message.service() : item;
        const QString path = item.startsWith(u'/') ? item : QStringLiteral("/StatusNotifierItem");
        items_ << service;
        std::printf("item %s\n", qPrintable(service));
        std::fflush(stdout);
        emit StatusNotifierItemRegistered(service);
        QTimer::singleShot(activateAfter_, this, [service, path] {
            QDBusInterface icon(service, path, QStringLiteral("org.kde.StatusNotifierItem"),
                                QDBusConnection::sessionBus());
            const QDBusMessage reply = icon.call(QStringLiteral("Activate"), 0, 0);
            std::printf("%s\n", reply.type() == QDBusMessage::ErrorMessage ? "activation failed" : "activated");
            std::fflush(stdout);
        });
    }
    void RegisterStatusNotifierHost(const QString&) {}

signals:
    void StatusNotifierItemRegistered(const QString& service);
    void StatusNotifierHostRegistered();

private:
    int activateAfter_;
    QStringList items_;
};

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int activateAfter = argc > 1 ? QString(argv[1]).toInt() : 1000;
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher(activateAfter);
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties |
                                QDBusConnection::ExportAllSignals) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        std::fprintf(stderr, "cannot own the watcher's name: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    return application.exec();
}

#include "FakeStatusNotifierHost.moc"
