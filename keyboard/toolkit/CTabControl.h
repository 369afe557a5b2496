#pragma once

#include "keyboard/toolkit/CButtonBase.h"

// The page and profile the main window shows. The tabs keep their selection
// here rather than in themselves, so a clicked tab is drawn selected at once.
extern int g_currentPage;     // 0 KEY MAP, 1 RECORD, 2 MACRO, 3 LIGHT
extern int g_currentProfile;  // 0..4

// A page or profile tab: an image button that, on a click, makes its page or
// profile the current one before it reports code 2.
class CTabControl : public CButtonBase {
public:
    CTabControl(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text = {},
                ui::BOOL visible = ui::TRUE, ui::BOOL disabled = ui::FALSE, ui::BOOL tracksMouse = ui::TRUE);

    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;
    bool IsSelected() const;
    int CurrentFrame() const { return IsSelected() ? 2 : m_state.Get(); }

protected:
    void OnClick() override;
};
