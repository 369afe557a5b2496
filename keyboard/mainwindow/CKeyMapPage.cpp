#include "keyboard/mainwindow/CKeyMapPage.h"

#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/model/KeyButtons.h"
#include "keyboard/resources/KeyboardLayout.h"
#include "keyboard/toolkit/CKeyboardButton.h"
#include "keyboard/toolkit/CTabControl.h"

void CKeyMapPage::CreateControls(bool shown) {
    for (int g = 0; g < layout::kGKeyCount; ++g) {
        layout::ControlPlace place{ids::kMacroTab, layout::gKeyRect(g), layout::gKeyImageId(g)};
        m_window.AddControl(CTarvikDlg::kKeyMapGroup, MakeButton<CTabControl>(&m_window, place, shown));
    }
    for (int n = 0; n < kKeyButtonCount; ++n) {
        const KeyButton* key = KeyButtonAt(n);
        layout::ControlPlace place{ids::kFirstKeyButton + static_cast<unsigned>(n),
                                   layout::keyButtonPlace(n).rect, layout::keyImageId(n)};
        auto* button = m_window.AddControl(CTarvikDlg::kKeyMapGroup,
                                           MakeButton<CKeyboardButton>(&m_window, place, shown));
        button->SetKey(key->label, key->defaultCode, key->defaultCode);
    }
}

void CKeyMapPage::ShowProfile(const ProfileRecord& record) {
    for (int n = 0; n < kKeyButtonCount; ++n) {
        auto* button = static_cast<CKeyboardButton*>(
            m_window.FindControl(ids::kFirstKeyButton + static_cast<ui::UINT>(n)));
        if (button) {
            const KeyButton* key = KeyButtonAt(n);
            button->SetKey(key->label, key->defaultCode, ButtonCode(record.keyMap, n));
        }
    }
}

// The small G tabs carry the MACRO tab's id and would stay lit from the click that left.
void CKeyMapPage::OnPageShown(bool current) {
    if (!current) {
        return;
    }
    for (const auto& control : m_window.Group(CTarvikDlg::kKeyMapGroup)) {
        if (control->GetId() == ids::kMacroTab) {
            static_cast<CTabControl*>(control.get())->ResetState();
        }
    }
}

// Assigning keys is not built yet: their messages end here.
bool CKeyMapPage::OnControlMessage(ui::UINT id, ui::LPARAM) {
    return id >= ids::kFirstKeyButton && id <= ids::kLastKeyButton;
}
