#include "keyboard/toolkit/CStaticText.h"

CStaticText::CStaticText(ui::Window* parent, ui::UINT id, const ui::Rect& rect, ui::COLORREF textColor,
                         ui::UINT format, const std::string& text, ui::BOOL visible, ui::BOOL disabled)
    : CControlBase(parent, id, rect, {}, visible, disabled, ui::TRUE),
      m_format(format),
      m_staticText(text),
      m_textColor(textColor),
      m_textFont(ui::FontSpec{.height = 0, .width = 0, .weight = ui::FW_NORMAL, .face = "宋体"}) {}

void CStaticText::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    ui::BkMode previousMode = dc.setBkMode(ui::BkMode::transparent);
    ui::COLORREF previousColor = dc.setTextColor(m_textColor);
    ui::Font previousFont = dc.setFont(m_textFont);
    unsigned format = (m_format == kCentred ? ui::DT_CENTER : 0u) | ui::DT_SINGLELINE | ui::DT_WORD_ELLIPSIS;
    dc.drawText(m_staticText, m_rect, format);
    dc.setFont(previousFont);
    dc.setTextColor(previousColor);
    dc.setBkMode(previousMode);
}

ui::BOOL CStaticText::OnMouseMove(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    return m_state.Move(Contains(x, y));
}

ui::BOOL CStaticText::OnLButtonDown(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    if (m_state.Press(Contains(x, y))) {
        Notify(kNotifyPressed);
    }
    return ui::FALSE;
}

ui::BOOL CStaticText::OnLButtonUp(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    if (m_state.Release(Contains(x, y))) {
        Notify(kNotifyClicked);
    }
    return ui::FALSE;
}
