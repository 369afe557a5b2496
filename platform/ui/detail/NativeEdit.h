#pragma once

#include <string>

#include "platform/ui/Font.h"
#include "platform/ui/Types.h"

namespace ui::detail {

// The backend's side of an edit control.
class NativeEdit {
public:
    virtual ~NativeEdit() = default;
    virtual void setText(const std::string& text) = 0;
    virtual void setGeometry(const Rect& rect) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setFocus() = 0;
    virtual void setColors(COLORREF text, COLORREF background) = 0;
    virtual void setFont(const Font& font) = 0;
    virtual void setLimit(int characters) = 0;
};

}  // namespace ui::detail
