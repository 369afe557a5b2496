#pragma once

#include "keyboard/toolkit/CButtonBase.h"

// A check box drawn from a seven-frame strip: three looks unchecked, three
// checked, one disabled. A click inverts the check, then reports code 2.
class CCheckButton : public CButtonBase {
public:
    CCheckButton(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text = {},
                 ui::BOOL visible = ui::TRUE, ui::BOOL disabled = ui::FALSE, ui::BOOL tracksMouse = ui::TRUE);

    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;
    int CurrentFrame() const;

    ui::BOOL m_checked = ui::FALSE;

protected:
    void OnClick() override;
};
