#pragma once

#include <memory>
#include <string>

#include "platform/ui/EditControl.h"
#include "platform/ui/WindowHandle.h"
#include "platform/ui/detail/NativeEdit.h"

namespace ui::detail {

struct EditState {
    Window* parent = nullptr;
    int id = 0;
    Rect rect;
    std::string text;
    int limit = 0;
    bool visible = true;
    bool focused = false;
    // How it is drawn: the system's black on white until its owner says otherwise.
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF background = RGB(255, 255, 255);
    Font font;
    std::unique_ptr<NativeEdit> native;
};

// The user changed the text (typed, deleted, pasted): store it and tell the parent.
void editChangedByUser(EditControl& edit, const std::string& text);
void editFocusChanged(EditControl& edit, bool focused);

}  // namespace ui::detail
