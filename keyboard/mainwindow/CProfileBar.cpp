#include "keyboard/mainwindow/CProfileBar.h"

#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/resources/MainWindowLayout.h"
#include "keyboard/toolkit/CImageButton.h"
#include "keyboard/toolkit/CTabControl.h"

void CProfileBar::CreateControls(bool shown) {
    for (const auto& tab : layout::kProfileTabs) {
        m_window.AddControl(CTarvikDlg::kAlwaysGroup, MakeButton<CTabControl>(&m_window, tab, shown));
    }
    m_window.AddControl(CTarvikDlg::kAlwaysGroup,
                        MakeButton<CImageButton>(&m_window, layout::kResetCurrentButton, shown));
    m_window.AddControl(CTarvikDlg::kAlwaysGroup,
                        MakeButton<CImageButton>(&m_window, layout::kResetAllButton, shown));
}

// Switching, applying and resetting profiles are not built yet: their messages end here.
bool CProfileBar::OnControlMessage(ui::UINT id, ui::LPARAM) {
    switch (id) {
        case ids::kProfileTabs[0]:
        case ids::kProfileTabs[1]:
        case ids::kProfileTabs[2]:
        case ids::kResetCurrentButton:
        case ids::kResetAllButton:
        case ids::kOkButton:
        case ids::kApplyButton:
            return true;
        default:
            return false;
    }
}
