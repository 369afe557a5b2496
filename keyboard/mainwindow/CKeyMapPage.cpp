#include "keyboard/mainwindow/CKeyMapPage.h"

#include "keyboard/dialogs/CKeyMapSettingDlg.h"
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

bool CKeyMapPage::OnControlMessage(ui::UINT id, ui::LPARAM code) {
    if (id < ids::kFirstKeyButton || id > ids::kLastKeyButton) {
        return false;
    }
    if (code == kNotifyClicked) {
        OpenKeyMapDialog(id);
    }
    return true;
}

bool CKeyMapPage::OnWindowMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (message != kKeyCodeResult) {
        return false;
    }
    AssignCode(static_cast<ui::UINT>(wParam), static_cast<KeyMapCode>(lParam & 0xFF));
    return true;
}

CKeyboardButton* CKeyMapPage::KeyButtonOf(ui::UINT id) const {
    if (id < ids::kFirstKeyButton || id > ids::kLastKeyButton) {
        return nullptr;
    }
    return dynamic_cast<CKeyboardButton*>(m_window.FindControl(id));
}

void CKeyMapPage::OpenKeyMapDialog(ui::UINT id) {
    if (const CKeyboardButton* button = KeyButtonOf(id)) {
        CKeyMapSettingDlg dialog(&m_window, id, button->m_keyName, button->m_firstCode, button->m_secondCode);
        dialog.DoModal();  // its code arrives as 0x42A before DoModal returns
    }
}

// Keys with a second function get their key-own code back; the button shows
// whether the key now differs from its default.
void CKeyMapPage::AssignCode(ui::UINT id, KeyMapCode code) {
    CKeyboardButton* button = KeyButtonOf(id);
    if (!button) {
        return;  // not a key of the picture
    }
    const int n = static_cast<int>(id - ids::kFirstKeyButton);
    KeyMap& keyMap = m_window.Data().profiles.Record(g_currentProfile).keyMap;
    AssignButtonCode(keyMap, n, code);
    button->SetKey(button->m_keyName, button->m_firstCode, ButtonCode(keyMap, n));
    m_window.invalidate(button->GetRect());
    m_window.Pending().Mark(PendingWrites::kKeyMap, g_currentProfile);
}
