#pragma once

#include "keyboard/mainwindow/CMainWindowPart.h"

// The profile bar over every page: the three profile tabs, RESET CURRENT and
// RESET ALL; it also takes OK and APPLY, which write the profiles.
class CProfileBar : public CMainWindowPart {
public:
    using CMainWindowPart::CMainWindowPart;

    void CreateControls(bool shown) override;
    bool OnControlMessage(ui::UINT id, ui::LPARAM code) override;
};
