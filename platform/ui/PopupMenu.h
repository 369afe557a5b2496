#pragma once

#include <string>
#include <vector>

#include "platform/ui/Types.h"

namespace ui {

class Window;

enum class MenuItemState { enabled, disabled };

enum class MenuItemCheck { none, checked, radio };  // radio: a checked item drawn with a dot

struct PopupMenuItem {
    UINT command = 0;
    std::string text;
    bool separator = false;
    MenuItemState state = MenuItemState::enabled;
    MenuItemCheck check = MenuItemCheck::none;
    std::vector<PopupMenuItem> submenu;  // not empty: the item opens these and has no command of its own
    friend bool operator==(const PopupMenuItem&, const PopupMenuItem&) = default;
};

// The items of a popup menu, in the order they are appended.
class PopupMenu {
public:
    PopupMenu& append(UINT command, std::string text, MenuItemState state = MenuItemState::enabled);
    PopupMenu& appendSeparator();
    // The last item appended gets the mark.
    PopupMenu& check(MenuItemCheck mark);
    PopupMenu& appendSubmenu(std::string text, const PopupMenu& submenu,
                             MenuItemState state = MenuItemState::enabled);

    const std::vector<PopupMenuItem>& items() const { return items_; }
    // True when an enabled item carries the command, so choosing it is possible
    // (items of enabled sub-menus included).
    bool offers(UINT command) const;

private:
    std::vector<PopupMenuItem> items_;
};

// Returns the chosen command instead of posting it.
inline constexpr unsigned TPM_RETURNCMD = 0x0100;

// Shows the menu modally at the screen point. Without TPM_RETURNCMD a chosen item
// posts WM_COMMAND (wParam = command) to the owner and the result is nonzero; with
// it the command comes back instead. 0 when the menu is dismissed or cannot be shown
// (no session, owner not an open window).
int trackPopupMenu(const PopupMenu& menu, Point screen, Window* owner, unsigned flags = 0);

}  // namespace ui
