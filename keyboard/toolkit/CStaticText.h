#pragma once

#include "keyboard/toolkit/ButtonState.h"
#include "keyboard/toolkit/CControlBase.h"

// One line of text in a colour of its own, left-aligned or centred.
class CStaticText : public CControlBase {
public:
    static constexpr ui::UINT kLeft = 0;
    static constexpr ui::UINT kCentred = 1;

    CStaticText(ui::Window* parent, ui::UINT id, const ui::Rect& rect, ui::COLORREF textColor,
                ui::UINT format = kLeft, const std::string& text = {}, ui::BOOL visible = ui::TRUE,
                ui::BOOL disabled = ui::FALSE);

    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;
    ui::BOOL OnMouseMove(ui::UINT flags, int x, int y) override;
    ui::BOOL OnLButtonDown(ui::UINT flags, int x, int y) override;
    ui::BOOL OnLButtonUp(ui::UINT flags, int x, int y) override;

    ui::UINT m_format;
    std::string m_staticText;
    ButtonState m_state;
    ui::COLORREF m_textColor;

private:
    ui::Font m_textFont;
};
