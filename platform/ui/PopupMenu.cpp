#include "platform/ui/PopupMenu.h"

#include <algorithm>

#include "platform/ui/Messaging.h"
#include "platform/ui/detail/Dispatcher.h"

namespace ui {

PopupMenu& PopupMenu::append(UINT command, std::string text, MenuItemState state) {
    items_.push_back({command, std::move(text), false, state, MenuItemCheck::none, {}});
    return *this;
}

PopupMenu& PopupMenu::appendSeparator() {
    items_.push_back({0, {}, true, MenuItemState::enabled, MenuItemCheck::none, {}});
    return *this;
}

PopupMenu& PopupMenu::check(MenuItemCheck mark) {
    if (!items_.empty()) {
        items_.back().check = mark;
    }
    return *this;
}

PopupMenu& PopupMenu::appendSubmenu(std::string text, const PopupMenu& submenu, MenuItemState state) {
    items_.push_back({0, std::move(text), false, state, MenuItemCheck::none, submenu.items()});
    return *this;
}

namespace {

bool offeredIn(const std::vector<PopupMenuItem>& items, UINT command) {
    return std::any_of(items.begin(), items.end(), [&](const PopupMenuItem& item) {
        if (item.separator || item.state != MenuItemState::enabled) {
            return false;
        }
        return item.submenu.empty() ? item.command == command : offeredIn(item.submenu, command);
    });
}

}  // namespace

bool PopupMenu::offers(UINT command) const {
    return offeredIn(items_, command);
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
