#include "keyboard/toolkit/CKeyboardButton.h"

CKeyboardButton::CKeyboardButton(ui::Window* parent, ui::UINT id, const ui::Rect& rect,
                                 const std::string& text, ui::BOOL visible, ui::BOOL disabled, ui::BOOL)
    : CButtonBase(parent, id, rect, text, visible, disabled, 3) {}

void CKeyboardButton::SetKey(const std::string& name, std::uint8_t firstCode, std::uint8_t secondCode) {
    m_keyId = m_id;
    m_keyName = name;
    m_firstCode = firstCode;
    m_secondCode = secondCode;
    m_modified = firstCode != secondCode ? ui::TRUE : ui::FALSE;
}

int CKeyboardButton::CurrentFrame() const {
    if (m_state.Get() == ButtonState::normal && m_modified) {
        return 2;
    }
    return m_state.Get();
}

void CKeyboardButton::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    DrawFrame(dc, CurrentFrame());
}
