#pragma once

#include "keyboard/mainwindow/CMainWindowPart.h"

// LIGHT: lighting mode, brightness and speed.
class CLightPage : public CMainWindowPart {
public:
    using CMainWindowPart::CMainWindowPart;

    void CreateControls(bool shown) override;
    void ShowProfile(const ProfileRecord& record) override;
    bool OnControlMessage(ui::UINT id, ui::LPARAM code) override;
};
