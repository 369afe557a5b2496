#pragma once

#include "keyboard/toolkit/CButtonBase.h"

// A drop-down button: a five-frame strip with the current choice written on
// it. A click asks the owner to open its list with the open-request message
// (wParam = the button's id, lParam = 2).
class CComboButton : public CButtonBase {
public:
    CComboButton(ui::Window* parent, ui::UINT openMessage, ui::UINT id, const ui::Rect& rect,
                 const std::string& text = {}, ui::BOOL visible = ui::TRUE, ui::BOOL disabled = ui::FALSE,
                 ui::BOOL tracksMouse = ui::TRUE, const std::string& displayText = "Disable");

    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;
    int CurrentFrame() const { return m_open ? 1 : m_state.Get(); }
    ui::UINT OpenMessage() const { return m_openMessage; }

    std::string m_displayText;
    ui::BOOL m_open = ui::FALSE;

protected:
    void OnClick() override;

private:
    ui::UINT m_openMessage;
    ui::Font m_textFont;
};
