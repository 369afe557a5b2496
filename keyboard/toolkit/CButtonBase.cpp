#include "keyboard/toolkit/CButtonBase.h"

CButtonBase::CButtonBase(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text,
                         ui::BOOL visible, ui::BOOL disabled, int frames)
    : CControlBase(parent, id, rect, text, visible, disabled, ui::TRUE), m_image(frames) {}

ui::BOOL CButtonBase::OnMouseMove(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    return m_state.Move(Contains(x, y));
}

ui::BOOL CButtonBase::OnLButtonDown(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    int before = m_state.Get();
    if (m_state.Press(Contains(x, y))) {
        Notify(kNotifyPressed);
    }
    return before != m_state.Get() ? ui::TRUE : ui::FALSE;
}

ui::BOOL CButtonBase::OnLButtonUp(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    int before = m_state.Get();
    if (m_state.Release(Contains(x, y))) {
        OnClick();
    }
    return before != m_state.Get() ? ui::TRUE : ui::FALSE;
}
