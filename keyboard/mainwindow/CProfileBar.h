#pragma once

#include "keyboard/mainwindow/CMainWindowPart.h"

// The profile bar over every page: the three profile tabs, RESET CURRENT and
// RESET ALL; it also takes OK and APPLY, which send the pending changes and
// write the files.
class CProfileBar : public CMainWindowPart {
public:
    using CMainWindowPart::CMainWindowPart;

    void CreateControls(bool shown) override;
    bool OnControlMessage(ui::UINT id, ui::LPARAM code) override;

    // Makes profile 0..2 the shown one; nothing goes to the keyboard or the disk.
    void SwitchTo(int profile);
    // Pending changes to the keyboard, the edited profile made its active one, every file written.
    void Apply();
    // Each asks first with the confirmation dialog; anything but OK changes nothing.
    void ResetCurrent();
    void ResetAll();

private:
    bool Confirmed(int picture);
    void ClearPendingRows(int profile);
};
