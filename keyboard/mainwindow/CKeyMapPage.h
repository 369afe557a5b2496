#pragma once

#include "keyboard/mainwindow/CMainWindowPart.h"
#include "keyboard/model/KeyMap.h"

class CKeyboardButton;

// KEY MAP: the keyboard picture with its 104 keys and the five small G tabs
// that lead to the MACRO page. A click on a key opens the key-map setting
// dialog; the code it reports goes into the current profile's key map at
// once and waits in the pending writes for Apply.
class CKeyMapPage : public CMainWindowPart {
public:
    static constexpr ui::UINT kKeyCodeResult = 0x42A;

    using CMainWindowPart::CMainWindowPart;

    void CreateControls(bool shown) override;
    void ShowProfile(const ProfileRecord& record) override;
    void OnPageShown(bool current) override;
    bool OnControlMessage(ui::UINT id, ui::LPARAM code) override;
    bool OnWindowMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;

private:
    CKeyboardButton* KeyButtonOf(ui::UINT id) const;
    void OpenKeyMapDialog(ui::UINT id);
    void AssignCode(ui::UINT id, KeyMapCode code);
};
