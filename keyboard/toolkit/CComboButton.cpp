#include "keyboard/toolkit/CComboButton.h"

#include "platform/ui/Messaging.h"

CComboButton::CComboButton(ui::Window* parent, ui::UINT openMessage, ui::UINT id, const ui::Rect& rect,
                           const std::string& text, ui::BOOL visible, ui::BOOL disabled, ui::BOOL,
                           const std::string& displayText)
    : CButtonBase(parent, id, rect, text, visible, disabled, 5),
      m_displayText(displayText),
      m_openMessage(openMessage),
      m_textFont(ui::FontSpec{.height = 0, .width = 9, .weight = ui::FW_NORMAL, .face = "宋体"}) {}

void CComboButton::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    DrawFrame(dc, CurrentFrame());
    ui::Font previousFont = dc.setFont(m_textFont);
    ui::COLORREF previousColor = dc.setTextColor(ui::RGB(0, 0, 0));
    ui::BkMode previousMode = dc.setBkMode(ui::BkMode::transparent);
    dc.drawText(m_displayText, m_rect.offset(4, 1),
                ui::DT_SINGLELINE | ui::DT_VCENTER | ui::DT_WORD_ELLIPSIS);
    dc.setBkMode(previousMode);
    dc.setTextColor(previousColor);
    dc.setFont(previousFont);
}

void CComboButton::OnClick() {
    if (m_parent) {
        ui::SendMessage(m_parent, m_openMessage, m_id, kNotifyClicked);
    }
}
