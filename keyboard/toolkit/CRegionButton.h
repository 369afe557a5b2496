#pragma once

#include "keyboard/toolkit/CButtonBase.h"

// A button drawn from a bitmap whose frames the creator measures; pixels of
// the key colour (the bitmap's colour at the key point) are left out, so the
// button can have any outline. The bitmap is loaded on every draw.
class CRegionButton : public CButtonBase {
public:
    CRegionButton(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text = {},
                  ui::BOOL visible = ui::TRUE, ui::BOOL disabled = ui::FALSE,
                  ui::BOOL tracksMouse = ui::TRUE);

    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;

    int m_bitmapId = 0;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    ui::Point m_keyPoint;
};
