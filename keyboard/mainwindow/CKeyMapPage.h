#pragma once

#include "keyboard/mainwindow/CMainWindowPart.h"

// KEY MAP: the keyboard picture with its 104 keys and the five small G tabs
// that lead to the MACRO page.
class CKeyMapPage : public CMainWindowPart {
public:
    using CMainWindowPart::CMainWindowPart;

    void CreateControls(bool shown) override;
    void ShowProfile(const ProfileRecord& record) override;
    void OnPageShown(bool current) override;
    bool OnControlMessage(ui::UINT id, ui::LPARAM code) override;
};
