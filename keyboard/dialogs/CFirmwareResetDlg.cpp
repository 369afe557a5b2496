#include "keyboard/dialogs/CFirmwareResetDlg.h"

#include "keyboard/dialogs/DialogButtons.h"

CFirmwareResetDlg::CFirmwareResetDlg(ui::Window* parent) : CDlgBase(parent) {
    m_width = 496;
    m_height = 247;
}

ui::BOOL CFirmwareResetDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    SetBackground(m_backgroundId);
    return ui::TRUE;
}

void CFirmwareResetDlg::CreateControls(const ui::Rect& client) {
    AddConfirmationButtons(*this, client);
}

ui::LRESULT CFirmwareResetDlg::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (EndOnButtonClick(*this, message, lParam)) {
        return 0;
    }
    return CDlgBase::WindowProc(message, wParam, lParam);
}
