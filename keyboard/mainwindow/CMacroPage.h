#pragma once

#include "keyboard/mainwindow/CMainWindowPart.h"

// MACRO: the function of each of the five G keys.
class CMacroPage : public CMainWindowPart {
public:
    using CMainWindowPart::CMainWindowPart;

    void CreateControls(bool shown) override;
    void ShowProfile(const ProfileRecord& record) override;
    bool OnControlMessage(ui::UINT id, ui::LPARAM code) override;
};
