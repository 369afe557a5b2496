#include "keyboard/mainwindow/CRecordPage.h"

#include <algorithm>
#include <filesystem>

#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/mainwindow/ListScrolling.h"
#include "keyboard/model/MacroFiles.h"
#include "keyboard/model/MacroRules.h"
#include "keyboard/resources/MainWindowLayout.h"
#include "keyboard/toolkit/CCheckButton.h"
#include "keyboard/toolkit/CEditShowList.h"
#include "keyboard/toolkit/CImageButton.h"
#include "keyboard/toolkit/CImageShowList.h"
#include "keyboard/toolkit/CTabControl.h"
#include "keyboard/toolkit/CVScrollBar.h"

namespace {

constexpr const char* kSelectToRecord = "Please select the macro which to record!";
constexpr const char* kSelectToImport = "Please select which Macro to import!";
constexpr const char* kSelectToExport = "Please select which Macro to export!";
constexpr const char* kNoMacroSet = "The config file is error";
constexpr const char* kMacroFileFilter = "mkf file(*.mkf)|*.mkf||";

// The inline name edit looks like a row of the list it sits in.
constexpr ui::COLORREF kListText = ui::RGB(255, 255, 255);
constexpr ui::COLORREF kListGround = ui::RGB(5, 16, 38);

}  // namespace

void CRecordPage::CreateControls(bool shown) {
    constexpr int group = CTarvikDlg::kRecordGroup;
    for (const auto& place : layout::kRecordButtons) {
        m_window.AddControl(group, MakeButton<CImageButton>(&m_window, place, shown));
    }
    m_nameList = m_window.AddControl(
        group, std::make_unique<CEditShowList>(&m_window, layout::kMacroNameList.id,
                                               ToRect(layout::kMacroNameList.rect), &m_window.Data().library,
                                               std::string{}, shown));
    for (const auto& place : {layout::kLoopCheck, layout::kDelayCheck, layout::kRecordCheck}) {
        m_window.AddControl(group, MakeButton<CCheckButton>(&m_window, place, shown));
    }
    m_actionList = m_window.AddControl(
        group, std::make_unique<CImageShowList>(&m_window, layout::kActionList.id,
                                                ToRect(layout::kActionList.rect), std::string{}, shown));
    m_nameScroll =
        m_window.AddControl(group, MakeButton<CVScrollBar>(&m_window, layout::kMacroNameScroll, shown));
    m_actionScroll =
        m_window.AddControl(group, MakeButton<CVScrollBar>(&m_window, layout::kActionScroll, shown));
    m_nameScroll->SetImages();
    m_actionScroll->SetImages();
    m_loopEdit.create(m_window, static_cast<int>(ids::kLoopEdit), ToRect(layout::kLoopEdit.rect));
    m_loopEdit.setFont(m_window.DialogFont());
    m_loopEdit.setColors(ui::RGB(255, 255, 255), ui::RGB(24, 26, 32));
    m_loopEdit.show(shown);
}

void CRecordPage::OnPageShown(bool current) {
    m_loopEdit.show(current);
}

bool CRecordPage::IsCurrent() const {
    return g_currentPage == CTarvikDlg::kRecordPage;
}

MacroKey* CRecordPage::SelectedMacro() const {
    MacroSet* set = m_window.Data().library.GetSet(0);
    return set && m_nameList ? set->GetMacro(m_nameList->Selection()) : nullptr;
}

CCheckButton* CRecordPage::Check(ui::UINT id) const {
    return dynamic_cast<CCheckButton*>(m_window.FindControl(id));
}

// The lists follow the library's first set; the action list looks its macro
// up again, as the library may have changed under it.
void CRecordPage::FillLists() {
    if (!m_nameList) {
        return;
    }
    if (m_nameList->ShownSet() != 0) {
        m_nameList->ShowSet(0);
    }
    MacroSet* set = m_window.Data().library.GetSet(0);
    MacroKey* macro = SelectedMacro();
    if (macro != m_actionList->m_macro) {
        m_actionList->m_firstRow = 0;
        m_actionList->m_selection = -1;
    }
    m_actionList->m_macro = macro;
    const int macros = set ? static_cast<int>(set->macros.size()) : 0;
    m_nameScroll->SetScroll(m_nameList->FirstVisibleRow(), m_nameList->VisibleRows(), macros);
    m_actionScroll->SetScroll(m_actionList->m_firstRow, m_actionList->VisibleRows(),
                              macro ? static_cast<int>(macro->actionCount) : 0);
    m_settingLoopText = true;
    m_loopEdit.setText(macro ? std::to_string(macro->loopCount) : std::string{});
    m_settingLoopText = false;
    if (CCheckButton* loop = Check(ids::kLoopCheck)) {
        loop->m_checked = macro && macro->loopEnable ? ui::TRUE : ui::FALSE;
    }
    m_window.invalidate();
}

// A name typed into the list is committed by a press anywhere but on DELETE,
// which throws it away; a press in the list itself is the list's to handle.
void CRecordPage::OnWindowPress(ui::Point point) {
    if (!IsCurrent() || !m_nameList->HasPendingName()) {
        return;
    }
    CControlBase* deleteButton = m_window.FindControl(ids::kDeleteMacroButton);
    if (deleteButton && deleteButton->Contains(point.x, point.y)) {
        m_nameList->CloseEdit();
    } else if (!m_nameList->Contains(point.x, point.y)) {
        CommitPendingName();
    }
}

void CRecordPage::OnKey(ui::WPARAM virtualKey) {
    if (virtualKey == ui::VK_RETURN && IsCurrent() && m_nameList && m_nameList->HasPendingName()) {
        CommitPendingName();
    }
}

void CRecordPage::DeleteShownMacros() {
    if (!m_nameList) {
        return;
    }
    if (MacroSet* set = m_window.Data().library.GetSet(m_nameList->ShownSet())) {
        while (set->DeleteMacro(0)) {
        }
    }
    m_nameList->SetSelection(-1);
    m_window.SaveLibrary();
    m_actionList->m_macro = nullptr;
    m_actionList->m_firstRow = 0;
    m_actionList->m_selection = -1;
    m_actionScroll->SetScroll(0, m_actionList->VisibleRows(), 0);
    FillLists();
}

// Committed by the window, a name goes through the library's own rules and
// their wording; the edit goes whatever the outcome.
void CRecordPage::CommitPendingName() {
    MacroLibrary& library = m_window.Data().library;
    const std::string name = m_nameList->GetEditText();
    const MacroSet* set = library.GetSet(0);
    const std::size_t before = set ? set->macros.size() : 0;
    const MacroMessage message = AddNewMacro(library, name);
    if (message != MacroMessage::kNone) {
        m_window.ShowAttention(MacroMessageText(message));
    }
    m_nameList->CloseEdit();
    if (set && set->macros.size() > before) {
        m_window.SaveLibrary();
        m_nameList->ScrollToEnd();
    }
    FillLists();
}

void CRecordPage::OnNewMacro() {
    if (!m_window.Data().library.GetSet(0)) {
        m_window.ShowAttention(kNoMacroSet);
        return;
    }
    m_nameList->BeginNewName();
    if (ui::EditControl* edit = m_nameList->Edit()) {
        edit->setColors(kListText, kListGround);
        edit->setFont(m_nameList->GetFont());
    }
    FillLists();
}

void CRecordPage::OnNameListMessage(ui::LPARAM code) {
    switch (code) {
        case kNotifyClicked:
            FillLists();
            break;
        case kNotifyNameAdded:
            m_window.SaveLibrary();  // kept for the next Apply when it cannot be written now
            m_nameList->ScrollToEnd();
            FillLists();
            break;
        case kNotifyNameExists:
        case kNotifyNameTooLong:
            m_window.ShowAttention(MacroMessageText(
                code == kNotifyNameExists ? MacroMessage::kListNameExists : MacroMessage::kListNameTooLong));
            m_nameList->CloseEdit();
            break;
        default:
            break;
    }
}

void CRecordPage::OnDeleteMacro() {
    ConfiguratorData& data = m_window.Data();
    const MacroMessage message = DeleteMacro(data.library, m_nameList->Selection(), data.profiles);
    if (message != MacroMessage::kNone) {
        m_window.ShowAttention(MacroMessageText(message));
    } else {
        m_nameList->SetSelection(-1);
        m_window.SaveLibrary();
    }
    FillLists();
}

ui::FileDialogOptions CRecordPage::MacroFileDialog(ui::FileDialogMode mode, const char* title) const {
    ui::FileDialogOptions options;
    options.mode = mode;
    options.title = title;
    options.filter = kMacroFileFilter;
    options.defaultExtension = "mkf";
    std::error_code ignored;
    options.initialFolder = std::filesystem::current_path(ignored).string();
    options.owner = &m_window;
    return options;
}

void CRecordPage::OnImportMacro() {
    if (!SelectedMacro()) {
        m_window.ShowAttention(kSelectToImport);
        return;
    }
    auto path = ui::fileDialog(MacroFileDialog(ui::FileDialogMode::open, "Load Macro Key from..."));
    if (!path) {
        return;
    }
    if (!ImportMacroKey(*path, m_window.Data().library, m_nameList->Selection(), m_window.ProgramFolder())) {
        m_window.ShowAttention(MacroMessageText(MacroMessage::kImportError));
        return;
    }
    // Other actions now: shown from the first.
    m_actionList->m_firstRow = 0;
    m_actionList->m_selection = -1;
    FillLists();
}

void CRecordPage::OnExportMacro() {
    MacroKey* macro = SelectedMacro();
    if (!macro) {
        m_window.ShowAttention(kSelectToExport);
        return;
    }
    if (auto path = ui::fileDialog(MacroFileDialog(ui::FileDialogMode::save, "Save Macro Key as..."))) {
        ExportMacroKey(*macro, *path);
    }
}

void CRecordPage::OnLoopCheck() {
    MacroKey* macro = SelectedMacro();
    CCheckButton* check = Check(ids::kLoopCheck);
    if (macro && check) {
        macro->loopEnable = check->m_checked ? 1 : 0;
        m_window.MarkLibraryModified();
    }
}

void CRecordPage::OnLoopEditChanged() {
    MacroKey* macro = SelectedMacro();
    if (m_settingLoopText || !macro) {
        return;
    }
    const LoopEntry entry = ParseLoopCount(m_loopEdit.text());
    macro->loopCount = entry.loopCount;
    m_window.MarkLibraryModified();
    if (entry.message != MacroMessage::kNone) {
        m_window.ShowAttention(MacroMessageText(entry.message));
    }
    if (entry.resetText) {
        m_settingLoopText = true;
        m_loopEdit.setText("1");
        m_settingLoopText = false;
    }
}

void CRecordPage::OnRecordButton() {
    CCheckButton* button = Check(ids::kRecordCheck);
    if (button && button->m_checked) {
        StartRecording();
    } else {
        StopRecording();
    }
}

void CRecordPage::StartRecording() {
    CCheckButton* button = Check(ids::kRecordCheck);
    if (!SelectedMacro()) {
        button->m_checked = ui::FALSE;
        m_window.invalidate(button->GetRect());
        m_window.ShowAttention(kSelectToRecord);
        return;
    }
    CCheckButton* delays = Check(ids::kDelayCheck);
    m_window.KeyboardHook().StartHook(&m_window);
    m_recorder.Start(m_window.Data().library, m_nameList->Selection(), delays && delays->m_checked);
    m_actionList->m_firstRow = 0;
    m_actionList->m_selection = -1;
    EnableControlsForRecording(true);
    FillLists();
}

void CRecordPage::StopRecording() {
    m_window.KeyboardHook().StopHook();
    m_recorder.Stop();
    EnableControlsForRecording(false);
    if (CCheckButton* button = Check(ids::kRecordCheck)) {
        button->m_checked = ui::FALSE;
    }
    if (m_recorder.libraryModified) {
        m_window.SaveLibrary();
        m_recorder.libraryModified = false;
    }
    m_window.invalidate();
}

// While recording only the record button and the delay check can be used.
void CRecordPage::EnableControlsForRecording(bool recording) {
    for (int group : {CTarvikDlg::kAlwaysGroup, CTarvikDlg::kRecordGroup}) {
        for (const auto& control : m_window.Group(group)) {
            const ui::UINT id = control->GetId();
            if (id != ids::kRecordCheck && id != ids::kDelayCheck) {
                control->SetDisabled(recording ? ui::TRUE : ui::FALSE);
            }
        }
    }
}

void CRecordPage::OnHookKey(ui::WPARAM wParam, ui::LPARAM lParam) {
    if (!m_recorder.IsRecording()) {
        return;
    }
    const auto bits = static_cast<std::uint32_t>(lParam);
    const auto result = m_recorder.OnKey(static_cast<std::uint8_t>(wParam & 0xFF), (bits & 0x80000000u) != 0,
                                         bits & 0x7FFFFFFFu);
    if (result == MacroRecorder::Result::kRecorded) {
        ScrollActionsToEnd();
    } else if (result == MacroRecorder::Result::kFull) {
        StopRecording();
        m_window.ShowAttention(MacroMessageText(m_recorder.FullMessage()));
    }
}

void CRecordPage::OnScrollMessage(ui::UINT id, ui::WPARAM part, ui::LPARAM code) {
    CVScrollBar* bar = id == ids::kMacroNameScroll ? m_nameScroll : m_actionScroll;
    if (!bar || (code != kNotifyPressed && code != kNotifyThumbDragged)) {
        return;
    }
    const int position = code == kNotifyThumbDragged
                             ? bar->Position()
                             : ScrolledPosition(part, bar->Position(), bar->Page(), bar->Total());
    id == ids::kMacroNameScroll ? ScrollNames(position) : ScrollActions(position);
}

void CRecordPage::OnMouseWheel(int delta, ui::Point client) {
    if (!IsCurrent() || delta == 0) {
        return;
    }
    const ui::WPARAM part = delta > 0 ? CVScrollBar::kUpArrow : CVScrollBar::kDownArrow;
    if (m_nameList->Contains(client.x, client.y)) {
        ScrollNames(
            ScrolledPosition(part, m_nameScroll->Position(), m_nameScroll->Page(), m_nameScroll->Total()));
    } else if (m_actionList->Contains(client.x, client.y)) {
        ScrollActions(ScrolledPosition(part, m_actionScroll->Position(), m_actionScroll->Page(),
                                       m_actionScroll->Total()));
    }
}

void CRecordPage::ScrollNames(int position) {
    m_nameList->SetFirstVisibleRow(position);
    m_nameScroll->SetScroll(position, m_nameList->VisibleRows(), m_nameScroll->Total());
    m_window.invalidate(m_nameList->GetRect());
}

void CRecordPage::ScrollActions(int position) {
    m_actionList->m_firstRow = position;
    m_actionScroll->SetScroll(position, m_actionList->VisibleRows(), m_actionScroll->Total());
    m_window.invalidate(m_actionList->GetRect());
}

// While recording the newest action stays in sight.
void CRecordPage::ScrollActionsToEnd() {
    const MacroKey* macro = m_actionList->m_macro;
    const int count = macro ? static_cast<int>(macro->actionCount) : 0;
    const int rows = m_actionList->VisibleRows();
    m_actionList->m_firstRow = count > rows ? count - rows : 0;
    m_actionScroll->SetScroll(m_actionList->m_firstRow, rows, count);
    m_window.invalidate(m_actionList->GetRect());
}

bool CRecordPage::OnControlMessage(ui::UINT id, ui::LPARAM code) {
    if (id == ids::kMacroNameList) {
        OnNameListMessage(code);
        return true;
    }
    if (id < ids::kNewMacroButton || id > ids::kActionScroll) {
        return false;
    }
    if (code != kNotifyClicked) {
        return true;
    }
    switch (id) {
        case ids::kNewMacroButton:
            OnNewMacro();
            break;
        case ids::kDeleteMacroButton:
            OnDeleteMacro();
            break;
        case ids::kImportMacroButton:
            OnImportMacro();
            break;
        case ids::kExportMacroButton:
            OnExportMacro();
            break;
        case ids::kLoopCheck:
            OnLoopCheck();
            break;
        case ids::kDelayCheck:
            if (CCheckButton* delays = Check(ids::kDelayCheck)) {
                m_recorder.SetRecordDelays(delays->m_checked != 0);
            }
            break;
        case ids::kRecordCheck:
            OnRecordButton();
            break;
        default:
            break;
    }
    return true;
}
