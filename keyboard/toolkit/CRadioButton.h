#pragma once

#include "keyboard/toolkit/CButtonBase.h"

// The selection of the radio buttons lives in one word for the whole program.
// 2013 owns bit 7 and 2014 bit 8; the two form one group.
extern ui::UINT g_radioState;
inline constexpr ui::UINT kRadioStateInitial = 0xAA;
// The bit a radio button owns, 0 for ids outside the group.
ui::UINT RadioBitOf(ui::UINT id);

// A radio button, always drawn from PNG 400, selected when its bit is set.
class CRadioButton : public CButtonBase {
public:
    static constexpr int kImageId = 400;

    CRadioButton(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text = {},
                 ui::BOOL visible = ui::TRUE, ui::BOOL disabled = ui::FALSE, ui::BOOL tracksMouse = ui::TRUE);

    // Whatever id is passed, the radio picture is used.
    ui::BOOL SetImage(int resourceId) override;
    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;
    bool IsSelected() const;
    int CurrentFrame() const;

protected:
    void OnClick() override;
};
