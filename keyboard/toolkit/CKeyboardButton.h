#pragma once

#include <cstdint>

#include "keyboard/toolkit/CButtonBase.h"

// One key of the keyboard picture. A key whose assigned code differs from its
// default is drawn in the modified look (frame 2) while at rest.
class CKeyboardButton : public CButtonBase {
public:
    CKeyboardButton(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text = {},
                    ui::BOOL visible = ui::TRUE, ui::BOOL disabled = ui::FALSE,
                    ui::BOOL tracksMouse = ui::TRUE);

    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;
    // The key's name, its default code and its assigned code.
    void SetKey(const std::string& name, std::uint8_t firstCode, std::uint8_t secondCode);
    int CurrentFrame() const;

    ui::UINT m_keyId = 0;
    std::string m_keyName;
    std::uint8_t m_firstCode = 0;
    std::uint8_t m_secondCode = 0;
    ui::BOOL m_modified = ui::FALSE;

protected:
    void OnClick() override { Notify(kNotifyClicked, m_id); }
};
