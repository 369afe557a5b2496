#pragma once

#include <memory>
#include <string>

#include "platform/ui/Font.h"
#include "platform/ui/Types.h"

namespace ui {

class Window;
namespace detail {
struct EditState;
}

// A single-line text field inside a window. Every change of its text, typed or
// set, sends WM_COMMAND to the parent with wParam = MAKEWPARAM(id, EN_CHANGE).
class EditControl {
public:
    EditControl();
    ~EditControl();
    EditControl(const EditControl&) = delete;
    EditControl& operator=(const EditControl&) = delete;

    bool create(Window& parent, int id, const Rect& rect);
    void destroy();
    bool exists() const;

    void setText(const std::string& text);
    std::string text() const;
    void setLimitText(int characters);  // 0: no limit
    void setRect(const Rect& rect);
    Rect rect() const;
    void show(bool visible);
    bool isVisible() const;
    void setFocus();
    bool hasFocus() const;
    void setColors(COLORREF text, COLORREF background);
    void setFont(const Font& font);
    int id() const;
    Window* parent() const;

    detail::EditState& state() const { return *state_; }

private:
    std::unique_ptr<detail::EditState> state_;
};

}  // namespace ui
