#pragma once

#include <string>

#include "platform/ui/Image.h"
#include "platform/ui/Types.h"

namespace ui {

class Window;

// One icon in the notification area, named by its owner window and its id.
struct TrayIconData {
    Window* owner = nullptr;
    UINT id = 0;
    // Posted to the owner on mouse input over the icon: wParam = id, lParam = the
    // mouse message (WM_LBUTTONDOWN/UP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN/UP).
    UINT callbackMessage = 0;
    int iconResourceId = 0;  // a PNG resource; a plain icon stands in when it is missing
    std::string tip;
    Image picture;  // taken instead of the resource when not null
};

// False when no session runs, the owner is not an open window or the icon exists already.
bool addTrayIcon(const TrayIconData& data);
// Takes the callback message, picture and tip of the icon (owner, id); false when there is none.
bool modifyTrayIcon(const TrayIconData& data);
// False when there is no such icon. Icons also go when their owner is destroyed.
bool removeTrayIcon(Window* owner, UINT id);

}  // namespace ui
