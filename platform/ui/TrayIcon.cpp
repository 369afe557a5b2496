#include "platform/ui/TrayIcon.h"

#include "platform/ui/detail/Dispatcher.h"

namespace ui {

using detail::Dispatcher;

bool addTrayIcon(const TrayIconData& data) {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher != nullptr && dispatcher->trayIcons().add(data, dispatcher->backend());
}

bool modifyTrayIcon(const TrayIconData& data) {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher != nullptr && dispatcher->trayIcons().modify(data);
}

bool removeTrayIcon(Window* owner, UINT id) {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher != nullptr && dispatcher->trayIcons().remove(owner, id);
}

}  // namespace ui
