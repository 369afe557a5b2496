#pragma once

#include "keyboard/toolkit/CButtonBase.h"

// The web link: a hot area (usually without a picture) that reports when the
// pointer enters (code 4) and leaves (code 5). Its id is always 2060, which the
// main window's handler relies on.
class CLinkButton : public CButtonBase {
public:
    static constexpr ui::UINT kId = 2060;

    CLinkButton(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text = {},
                ui::BOOL visible = ui::TRUE, ui::BOOL disabled = ui::FALSE, ui::BOOL tracksMouse = ui::TRUE);

    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;
    ui::BOOL OnMouseMove(ui::UINT flags, int x, int y) override;

    bool m_hovered = false;
};
