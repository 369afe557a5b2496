#include "platform/ui/PopupMenu.h"

#include <algorithm>

#include "platform/ui/Messaging.h"
#include "platform/ui/detail/Dispatcher.h"

namespace ui {

PopupMenu& PopupMenu::append(UINT command, std::string text, MenuItemState state) {
    items_.push_back({command, std::move(text), false, state});
    return *this;
}

PopupMenu& PopupMenu::appendSeparator() {
    items_.push_back({0, {}, true, MenuItemState::enabled});
    return *this;
}

bool PopupMenu::offers(UINT command) const {
    return std::any_of(items_.begin(), items_.end(), [&](const PopupMenuItem& item) {
        return !item.separator && item.state == MenuItemState::enabled && item.command == command;
    });
}

int trackPopupMenu(const PopupMenu& menu, Point screen, Window* owner, unsigned flags) {
    detail::Dispatcher* dispatcher = detail::Dispatcher::current();
    if (dispatcher == nullptr || owner == nullptr || !owner->exists()) {
        return 0;
    }
    // The owner may be gone once the menu's modal run is over.
    const WindowHandle ownerHandle = owner->handle();
    const std::optional<UINT> chosen = dispatcher->backend().trackPopupMenu(menu, screen, *owner, flags);
    if (!chosen || !menu.offers(*chosen)) {
        return 0;
    }
    if ((flags & TPM_RETURNCMD) != 0) {
        return static_cast<int>(*chosen);
    }
    PostMessage(ownerHandle, WM_COMMAND, static_cast<WPARAM>(*chosen), 0);
    return TRUE;
}

}  // namespace ui
