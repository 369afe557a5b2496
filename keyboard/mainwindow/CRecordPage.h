#pragma once

#include "keyboard/mainwindow/CMainWindowPart.h"
#include "keyboard/model/MacroRecorder.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/FileDialog.h"

class CCheckButton;
class CEditShowList;
class CImageShowList;
class CVScrollBar;
struct MacroKey;

// RECORD: the macro names of the library's first set, the actions of the
// chosen macro, the loop count and the recording buttons. What is recorded is
// what the keyboard hook reports from the whole desktop.
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
    // RESET ALL: every macro of the shown set goes, the library is written,
    // and the page starts over with nothing chosen.
    void DeleteShownMacros();
    // A scroll bar's notification: the part pressed comes in wParam.
    void OnScrollMessage(ui::UINT id, ui::WPARAM part, ui::LPARAM code);
    // A key of the hook (message 0x401) while recording.
    void OnHookKey(ui::WPARAM wParam, ui::LPARAM lParam);
    // EN_CHANGE of the loop edit.
    void OnLoopEditChanged();
    // The wheel over one of the lists scrolls it by a line.
    void OnMouseWheel(int delta, ui::Point client);

    ui::EditControl& LoopEdit() { return m_loopEdit; }
    bool IsRecording() const { return m_recorder.IsRecording(); }

private:
    bool IsCurrent() const;
    MacroKey* SelectedMacro() const;
    CCheckButton* Check(ui::UINT id) const;

    void OnNewMacro();
    void OnNameListMessage(ui::LPARAM code);
    void CommitPendingName();
    void OnDeleteMacro();
    void OnImportMacro();
    void OnExportMacro();
    ui::FileDialogOptions MacroFileDialog(ui::FileDialogMode mode, const char* title) const;
    void OnLoopCheck();

    void OnRecordButton();
    void StartRecording();
    void StopRecording();
    void EnableControlsForRecording(bool recording);

    void ScrollNames(int position);
    void ScrollActions(int position);
    void ScrollActionsToEnd();

    ui::EditControl m_loopEdit;
    CEditShowList* m_nameList = nullptr;
    CImageShowList* m_actionList = nullptr;
    CVScrollBar* m_nameScroll = nullptr;
    CVScrollBar* m_actionScroll = nullptr;
    MacroRecorder m_recorder;
    // The page itself is setting the loop text: no entry to check.
    bool m_settingLoopText = false;
};
