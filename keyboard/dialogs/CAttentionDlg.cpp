#include "keyboard/dialogs/CAttentionDlg.h"

#include <memory>

#include "keyboard/dialogs/DialogButtons.h"
#include "keyboard/toolkit/CStaticText.h"

CAttentionDlg::CAttentionDlg(const std::string& title, const std::string& message, ui::Window* parent)
    : CDlgBase(parent), m_title(title), m_message(message) {
    m_width = 496;
    m_height = 247;
}

ui::BOOL CAttentionDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    SetBackground(kBackground);
    return ui::TRUE;
}

void CAttentionDlg::CreateControls(const ui::Rect& client) {
    AddConfirmationButtons(*this, client);
    AddControl(1, std::make_unique<CStaticText>(this, kTitleText, PlaceInClient({21, 8, 175, 28}, client),
                                                ui::RGB(0, 0, 0), CStaticText::kLeft, m_title));
    AddControl(1, std::make_unique<CStaticText>(this, kMessageText, PlaceInClient({2, 100, 496, 120}, client),
                                                ui::RGB(255, 255, 255), CStaticText::kCentred, m_message));
}

ui::LRESULT CAttentionDlg::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (EndOnButtonClick(*this, message, lParam)) {
        return 0;
    }
    return CDlgBase::WindowProc(message, wParam, lParam);
}
