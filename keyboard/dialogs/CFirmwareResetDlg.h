#pragma once

#include "keyboard/toolkit/CDlgBase.h"

// Asks before profiles get their factory settings back; IDOK confirms. The
// opener picks the picture: one profile or all of them.
class CFirmwareResetDlg : public CDlgBase {
public:
    static constexpr int kResetCurrentBackground = 165;
    static constexpr int kResetAllBackground = 258;

    explicit CFirmwareResetDlg(ui::Window* parent = nullptr);

    ui::BOOL OnInitDialog() override;
    void CreateControls(const ui::Rect& client) override;
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;

    // Set by the opener after construction and before DoModal.
    int m_backgroundId = kResetCurrentBackground;
};
