#include "keyboard/toolkit/CLinkButton.h"

CLinkButton::CLinkButton(ui::Window* parent, ui::UINT, const ui::Rect& rect, const std::string& text,
                         ui::BOOL visible, ui::BOOL disabled, ui::BOOL)
    : CButtonBase(parent, kId, rect, text, visible, disabled, 3) {}

void CLinkButton::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    DrawFrame(dc, m_state.Get());
}

ui::BOOL CLinkButton::OnMouseMove(ui::UINT flags, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    bool inside = Contains(x, y);
    if (inside != m_hovered) {
        m_hovered = inside;
        Notify(inside ? kNotifyMouseEntered : kNotifyMouseLeft);
    }
    return CButtonBase::OnMouseMove(flags, x, y);
}
