#include "keyboard/toolkit/CImageButton.h"

CImageButton::CImageButton(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text,
                           ui::BOOL visible, ui::BOOL disabled, ui::BOOL)
    : CButtonBase(parent, id, rect, text, visible, disabled, 3) {}

void CImageButton::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    DrawFrame(dc, m_state.Get());
}
