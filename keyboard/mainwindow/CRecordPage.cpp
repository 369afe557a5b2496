#include "keyboard/mainwindow/CRecordPage.h"

#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/model/MacroFiles.h"
#include "keyboard/model/MacroRules.h"
#include "keyboard/resources/MainWindowLayout.h"
#include "keyboard/toolkit/CCheckButton.h"
#include "keyboard/toolkit/CEditShowList.h"
#include "keyboard/toolkit/CImageButton.h"
#include "keyboard/toolkit/CImageShowList.h"
#include "keyboard/toolkit/CTabControl.h"
#include "keyboard/toolkit/CVScrollBar.h"

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
    MacroKey* macro = set ? set->GetMacro(m_nameList->Selection()) : nullptr;
    if (macro != m_actionList->m_macro) {
        m_actionList->m_firstRow = 0;
        m_actionList->m_selection = -1;
    }
    m_actionList->m_macro = macro;
    const int macros = set ? static_cast<int>(set->macros.size()) : 0;
    m_nameScroll->SetScroll(m_nameList->FirstVisibleRow(), m_nameList->VisibleRows(), macros);
    m_actionScroll->SetScroll(m_actionList->m_firstRow, m_actionList->VisibleRows(),
                              macro ? static_cast<int>(macro->actionCount) : 0);
    m_loopEdit.setText(macro ? std::to_string(macro->loopCount) : std::string{});
    if (auto* loop = static_cast<CCheckButton*>(m_window.FindControl(ids::kLoopCheck))) {
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
        m_nameList->CommitName();
    }
}

void CRecordPage::OnKey(ui::WPARAM virtualKey) {
    if (virtualKey == ui::VK_RETURN && IsCurrent() && m_nameList && m_nameList->HasPendingName()) {
        m_nameList->CommitName();
    }
}

void CRecordPage::OnNewMacro() {
    if (!m_window.Data().library.GetSet(0)) {
        m_window.ShowAttention("The config file is error");
        return;
    }
    m_nameList->BeginNewName();
    FillLists();
}

void CRecordPage::OnNameListMessage(ui::LPARAM code) {
    switch (code) {
        case kNotifyClicked:
            FillLists();
            break;
        case kNotifyNameAdded:
            // Kept for the next Apply to write when the file cannot be written now.
            if (!SaveMacroLibrary(m_window.Data().library, m_window.ProgramFolder())) {
                m_window.MarkLibraryModified();
            }
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

// Recording, import, export and the loop settings are not built yet: the
// messages of those controls end here.
bool CRecordPage::OnControlMessage(ui::UINT id, ui::LPARAM code) {
    switch (id) {
        case ids::kNewMacroButton:
            if (code == kNotifyClicked) {
                OnNewMacro();
            }
            return true;
        case ids::kMacroNameList:
            OnNameListMessage(code);
            return true;
        default:
            return id >= ids::kNewMacroButton && id <= ids::kActionScroll;
    }
}
