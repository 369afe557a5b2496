#include "keyboard/toolkit/CControlBase.h"

#include "keyboard/toolkit/ControlDrawing.h"
#include "platform/ui/Messaging.h"

CControlBase::CControlBase(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text,
                           ui::BOOL visible, ui::BOOL disabled, ui::BOOL tracksMouse)
    : m_id(id),
      m_rect(rect),
      m_visible(visible),
      m_disabled(disabled),
      m_tracksMouse(tracksMouse),
      m_text(text),
      m_parent(parent),
      m_font(ControlFontSpec()) {}

CControlBase::~CControlBase() = default;

void CControlBase::SetRect(const ui::Rect& rect) {
    m_rect = rect;
}

ui::Rect CControlBase::GetRect() const {
    return m_rect;
}

void CControlBase::SetText(const std::string& text) {
    if (text == m_text) {
        return;
    }
    m_text = text;
    if (m_parent) {
        m_parent->invalidate(m_rect, ui::Erase::yes);
    }
}

std::string CControlBase::GetText() const {
    return m_text;
}

void CControlBase::SetVisible(ui::BOOL visible) {
    m_visible = visible;
}

ui::BOOL CControlBase::OnMouseMove(ui::UINT, int, int) {
    return ui::FALSE;
}
ui::BOOL CControlBase::OnLButtonDown(ui::UINT, int, int) {
    return ui::FALSE;
}
ui::BOOL CControlBase::OnLButtonUp(ui::UINT, int, int) {
    return ui::FALSE;
}
ui::BOOL CControlBase::OnLButtonDblClk(ui::UINT, int, int) {
    return ui::FALSE;
}

void CControlBase::Notify(ui::LPARAM code, ui::WPARAM wParam) const {
    if (m_parent) {
        ui::SendMessage(m_parent, m_id, wParam, code);
    }
}

void CControlBase::InvalidateSelf() const {
    if (m_parent) {
        m_parent->invalidate(m_rect);
    }
}
