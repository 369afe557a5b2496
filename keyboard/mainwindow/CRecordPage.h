#pragma once

#include "keyboard/mainwindow/CMainWindowPart.h"
#include "platform/ui/EditControl.h"

class CEditShowList;
class CImageShowList;
class CVScrollBar;

// RECORD: the macro names of the library's first set, the actions of the
// chosen macro, the loop count and the recording buttons.
class CRecordPage : public CMainWindowPart {
public:
    using CMainWindowPart::CMainWindowPart;

    void CreateControls(bool shown) override;
    void OnPageShown(bool current) override;
    bool OnControlMessage(ui::UINT id, ui::LPARAM code) override;

    // The lists follow the library again (after a load or a change).
    void FillLists();
    // A press anywhere in the window, before its controls see it.
    void OnWindowPress(ui::Point point);
    // Enter commits a typed macro name before anything else sees it.
    void OnKey(ui::WPARAM virtualKey);

    ui::EditControl& LoopEdit() { return m_loopEdit; }

private:
    bool IsCurrent() const;
    void OnNewMacro();
    void OnNameListMessage(ui::LPARAM code);

    ui::EditControl m_loopEdit;
    CEditShowList* m_nameList = nullptr;
    CImageShowList* m_actionList = nullptr;
    CVScrollBar* m_nameScroll = nullptr;
    CVScrollBar* m_actionScroll = nullptr;
};
