#include <QApplication>

#include "platform/ui/detail/QtConvert.h"

namespace ui::detail {

namespace {
// Qt keeps pointers to these for the life of the application object.
int applicationArgc = 1;
char applicationName[] = "quelda";
char platformSwitch[] = "-platform";
char offscreenPlatform[] = "offscreen";
char* desktopArgv[] = {applicationName, nullptr};
char* offscreenArgv[] = {applicationName, platformSwitch, offscreenPlatform, nullptr};
// Never destroyed: Qt's own objects may outlive any session.
QApplication* application = nullptr;
}  // namespace

void ensureQtApplication(bool desktop) {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (desktop) {
        applicationArgc = 1;
        application = new QApplication(applicationArgc, desktopArgv);
    } else {
        applicationArgc = 3;
        application = new QApplication(applicationArgc, offscreenArgv);
    }
    QApplication::setQuitOnLastWindowClosed(false);
}

std::string qtPlatformName() {
    return QCoreApplication::instance() != nullptr ? fromQString(QGuiApplication::platformName())
                                                   : std::string{};
}

}  // namespace ui::detail
