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
    std::unique_ptr<NativeEdit> native;
};

// The user changed the text (typed, deleted, pasted): store it and tell the parent.
void editChangedByUser(EditControl& edit, const std::string& text);
void editFocusChanged(EditControl& edit, bool focused);

}  // namespace ui::detail
