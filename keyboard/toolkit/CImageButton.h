#pragma once

#include "keyboard/toolkit/CButtonBase.h"

// A push button drawn from a three-frame strip (normal, hover, pressed).
class CImageButton : public CButtonBase {
public:
    CImageButton(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text = {},
                 ui::BOOL visible = ui::TRUE, ui::BOOL disabled = ui::FALSE, ui::BOOL tracksMouse = ui::TRUE);

    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;
};
