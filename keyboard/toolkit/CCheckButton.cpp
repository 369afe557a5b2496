#include "keyboard/toolkit/CCheckButton.h"

CCheckButton::CCheckButton(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text,
                           ui::BOOL visible, ui::BOOL disabled, ui::BOOL)
    : CButtonBase(parent, id, rect, text, visible, disabled, 7) {}

int CCheckButton::CurrentFrame() const {
    if (m_disabled) {
        return 6;
    }
    return m_state.Get() + (m_checked ? 3 : 0);
}

void CCheckButton::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    DrawFrame(dc, CurrentFrame());
}

void CCheckButton::OnClick() {
    m_checked = !m_checked;
    Notify(kNotifyClicked);
}
