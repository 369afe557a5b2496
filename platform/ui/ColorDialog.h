#pragma once

#include <optional>

#include "platform/ui/Types.h"

namespace ui {

class Window;

struct ColorDialogOptions {
    COLORREF initial = 0;
    Window* owner = nullptr;
};

// A modal colour picker; the colour chosen, or nothing when cancelled.
std::optional<COLORREF> colorDialog(const ColorDialogOptions& options);

}  // namespace ui
