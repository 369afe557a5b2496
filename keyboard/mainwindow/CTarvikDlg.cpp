#include "keyboard/mainwindow/CTarvikDlg.h"

#include "keyboard/dialogs/CAttentionDlg.h"
#include "keyboard/model/KeyButtons.h"
#include "keyboard/model/LightingNames.h"
#include "keyboard/model/MacroFiles.h"
#include "keyboard/model/MacroRules.h"
#include "keyboard/toolkit/CCheckButton.h"
#include "keyboard/toolkit/CComboButton.h"
#include "keyboard/toolkit/CEditShowList.h"
#include "keyboard/toolkit/CImageShowList.h"
#include "keyboard/toolkit/CKeyboardButton.h"
#include "keyboard/toolkit/CTabControl.h"
#include "keyboard/toolkit/CVScrollBar.h"
#include "keyboard/toolkit/ControlDrawing.h"
#include "platform/core/ProgramFolder.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/PopupMenu.h"
#include "platform/ui/TrayIcon.h"

#ifndef QUELDA_PRODUCT_PAGE
#define QUELDA_PRODUCT_PAGE "https://example.org/quelda-keyboard"
#endif

namespace {

constexpr int kShapeBitmap = 129;
constexpr int kPagePictures[4] = {398, 261, 259, 399};
constexpr ui::UINT kModeButton = 2092;
constexpr ui::UINT kBrightnessButton = 2091;
constexpr ui::UINT kSpeedButton = 2093;
constexpr ui::UINT kLoopCheckId = 2111;
constexpr ui::UINT kNewButton = 2100;
constexpr ui::UINT kDeleteButton = 2101;
constexpr ui::UINT kNameListId = 2109;

int PageOfTab(ui::UINT id) {
    switch (id) {
        case 2003:
            return CTarvikDlg::kKeyMapPage;
        case 2004:
            return CTarvikDlg::kRecordPage;
        case 2005:
            return CTarvikDlg::kMacroPage;
        case 2077:
            return CTarvikDlg::kLightPage;
        default:
            return -1;
    }
}

}  // namespace

CTarvikDlg::CTarvikDlg(hid::Bus& bus)
    : m_programFolder(core::programFolder("QUELDA_KEYBOARD_HOME")),
      m_data(m_programFolder),
      m_link(*this, bus),
      m_protocol(m_link, m_data.model, *this, m_pendingWrites) {
    m_width = 805;
    m_height = 588;
    windowOptions().title = kTrayTip;
}

CTarvikDlg::~CTarvikDlg() {
    if (exists()) {
        destroy();
    }
}

ui::BOOL CTarvikDlg::OnInitDialog() {
    if (onWindowCreated) {
        onWindowCreated(handle());
    }
    LoadMacroLibrary(m_data.library, m_programFolder);
    m_data.settings.LoadAppSettings();
    for (int slot = 0; slot < ProfileRecords::kCount; ++slot) {
        m_data.profiles.LoadProfile(slot);
    }
    CDlgBase::OnInitDialog();
    SetShapeFromBitmap(kShapeBitmap);
    setIcon(kIconId);
    m_trayIconAdded = ui::addTrayIcon({this, kTrayIconId, kTrayMessage, kIconId, kTrayTip});
    FillRecordLists();
    RefreshProfile();
    m_link.RegisterForDeviceChanges();
    m_link.Discover();
    m_protocol.InitialSync();
    SetBackground(kShapeBitmap);
    return ui::TRUE;
}

void CTarvikDlg::DrawBackground(ui::DeviceContext& dc, const ui::Rect& rect) {
    DrawBackgroundPicture(dc, rect);
    if (const ui::MemoryDC* picture = PagePicture(g_currentPage)) {
        ui::Rect visible = rect.intersected(ui::rectAt(0, kPageBandTop, picture->width(), picture->height()));
        if (!visible.isEmpty()) {
            dc.bitBlt(visible, *picture, {visible.left, visible.top - kPageBandTop});
        }
    }
    DrawControls(dc, rect);
}

// A page's picture is decoded when the page is first shown: the window then
// opens without the memory and time of the three pages nobody looked at yet.
const ui::MemoryDC* CTarvikDlg::PagePicture(int page) {
    if (page < 0 || page >= 4) {
        return nullptr;
    }
    if (!m_pagePictures[page]) {
        m_pagePictures[page] = std::make_unique<ui::MemoryDC>(LoadBitmapResource(kPagePictures[page]));
    }
    return m_pagePictures[page].get();
}

void CTarvikDlg::ShowProfile(int profile) {
    if (profile < 0 || profile >= ProfileRecords::kCount) {
        return;
    }
    const ProfileRecord& record = m_data.profiles.Record(profile);
    for (int slot = 0; slot < 5; ++slot) {
        if (auto* button = FindControl(kFirstGKeyButton + static_cast<ui::UINT>(slot))) {
            static_cast<CComboButton*>(button)->m_displayText = record.GKey(slot)->name;
        }
    }
    ShowLightingCaptions(record);
    for (int n = 0; n < kKeyButtonCount; ++n) {
        auto* button = static_cast<CKeyboardButton*>(FindControl(kFirstKeyButton + static_cast<ui::UINT>(n)));
        if (button) {
            const KeyButton* key = KeyButtonAt(n);
            button->SetKey(key->label, key->defaultCode, ButtonCode(record.keyMap, n));
        }
    }
    invalidate();
}

// A value outside its list leaves the caption as it was.
void CTarvikDlg::ShowLightingCaptions(const ProfileRecord& record) {
    const struct {
        ui::UINT id;
        std::string name;
    } captions[] = {
        {kModeButton, LightModeName(record.NumericSetting(kLightMode))},
        {kBrightnessButton, LightBrightnessName(record.NumericSetting(kLightBrightness))},
        {kSpeedButton, LightSpeedName(record.NumericSetting(kLightSpeed))},
    };
    for (const auto& caption : captions) {
        auto* button = static_cast<CComboButton*>(FindControl(caption.id));
        if (button && !caption.name.empty()) {
            button->m_displayText = caption.name;
        }
    }
}

void CTarvikDlg::RefreshProfile() {
    g_currentProfile = m_data.settings.CurrentProfile();
    FillRecordLists();
    ShowProfile(g_currentProfile);
}

// The RECORD page's lists follow the library's first set; the action list
// looks its macro up again, as the library may have changed under it.
void CTarvikDlg::FillRecordLists() {
    if (!m_nameList) {
        return;
    }
    if (m_nameList->ShownSet() != 0) {
        m_nameList->ShowSet(0);
    }
    MacroSet* set = m_data.library.GetSet(0);
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
    if (auto* loop = static_cast<CCheckButton*>(FindControl(kLoopCheckId))) {
        loop->m_checked = macro && macro->loopEnable ? ui::TRUE : ui::FALSE;
    }
    invalidate();
}

void CTarvikDlg::SwitchPage(int page) {
    for (int group = kKeyMapGroup; group <= kLightGroup; ++group) {
        const ui::BOOL visible = group - kKeyMapGroup == page ? ui::TRUE : ui::FALSE;
        for (const auto& control : Group(group)) {
            control->SetVisible(visible);
        }
    }
    m_loopEdit.show(page == kRecordPage);
    if (page == kKeyMapPage) {
        for (const auto& control : Group(kKeyMapGroup)) {
            if (control->GetId() == kMacroTabId) {
                static_cast<CTabControl*>(control.get())->ResetState();
            }
        }
    }
    invalidate();
}

void CTarvikDlg::BringToFront() {
    if (isMinimized()) {
        show(ui::ShowCommand::restore);
    }
    show(ui::ShowCommand::showNormal);
    bringToFront();
}

void CTarvikDlg::RunOnOwnerThread(std::function<void()> work) {
    m_work.push(std::move(work));
    ui::PostMessage(handle(), kQueuedWorkMessage);
}

void CTarvikDlg::PostStatusMessage(std::uint32_t code) {
    ui::PostMessage(handle(), kStatusMessage, code);
}

void CTarvikDlg::ShowAttention(const std::string& text) {
    CAttentionDlg dialog("Attention!", text, this);
    dialog.DoModal();
}

void CTarvikDlg::LaunchProgram(const std::string& path) {
    shell::open(path);
}

void CTarvikDlg::OnWebLink(ui::LPARAM code) {
    switch (code) {
        case kNotifyMouseEntered:
            setCursor(ui::Cursor::hand);
            break;
        case kNotifyMouseLeft:
            setCursor(ui::Cursor::arrow);
            break;
        case kNotifyClicked:
            shell::open(QUELDA_PRODUCT_PAGE);
            break;
        default:
            break;
    }
}

void CTarvikDlg::OnTrayIcon(ui::UINT iconId, ui::UINT mouseMessage) {
    if (iconId != kTrayIconId) {
        return;
    }
    if (mouseMessage == ui::WM_LBUTTONDBLCLK) {
        BringToFront();
    } else if (mouseMessage == ui::WM_RBUTTONUP) {
        ShowTrayMenu();
    }
}

void CTarvikDlg::ShowTrayMenu() {
    ui::PopupMenu menu;
    menu.append(kShowWindowCommand, "Config Quelda Keyboard").appendSeparator().append(kExitCommand, "Exit");
    ui::trackPopupMenu(menu, ui::cursorPos(), this, 0);
}

void CTarvikDlg::OnLButtonDown(ui::UINT flags, ui::Point point) {
    OnRecordPagePress(point);
    CDlgBase::OnLButtonDown(flags, point);
}

void CTarvikDlg::OnDestroy() {
    CDlgBase::OnDestroy();
    if (onWindowCreated) {
        onWindowCreated({});
    }
    m_link.Shutdown();  // listening off, profile 7 to the keyboard, handle closed
    if (m_trayIconAdded) {
        ui::removeTrayIcon(this, kTrayIconId);
        m_trayIconAdded = false;
    }
}

// A name typed into the list is committed by a press anywhere but on DELETE,
// which throws it away; a press in the list itself is the list's to handle.
void CTarvikDlg::OnRecordPagePress(ui::Point point) {
    if (g_currentPage != kRecordPage || !m_nameList->HasPendingName()) {
        return;
    }
    CControlBase* deleteButton = FindControl(kDeleteButton);
    if (deleteButton && deleteButton->Contains(point.x, point.y)) {
        m_nameList->CloseEdit();
    } else if (!m_nameList->Contains(point.x, point.y)) {
        m_nameList->CommitName();
    }
}

void CTarvikDlg::OnNewMacro() {
    if (!m_data.library.GetSet(0)) {
        ShowAttention("The config file is error");
        return;
    }
    m_nameList->BeginNewName();
    FillRecordLists();
}

void CTarvikDlg::OnNameListMessage(ui::LPARAM code) {
    switch (code) {
        case kNotifyClicked:
            FillRecordLists();
            break;
        case kNotifyNameAdded:
            // Kept for the next Apply to write when the file cannot be written now.
            if (!SaveMacroLibrary(m_data.library, m_programFolder)) {
                m_libraryModified = true;
            }
            m_nameList->ScrollToEnd();
            FillRecordLists();
            break;
        case kNotifyNameExists:
        case kNotifyNameTooLong:
            ShowAttention(MacroMessageText(code == kNotifyNameExists ? MacroMessage::kListNameExists
                                                                     : MacroMessage::kListNameTooLong));
            m_nameList->CloseEdit();
            break;
        default:
            break;
    }
}

// The skinned controls report with their id as the message and a code in lParam.
bool CTarvikDlg::OnControlMessage(ui::UINT id, ui::LPARAM code) {
    switch (id) {
        case 2001:
        case 2048:
            if (code == kNotifyClicked) {
                show(ui::ShowCommand::hide);
            }
            return true;
        case 2002:
            if (code == kNotifyClicked) {
                show(ui::ShowCommand::minimize);
            }
            return true;
        case 2060:
            OnWebLink(code);
            return true;
        case 2003:
        case 2004:
        case 2005:
        case 2077:
            if (code == kNotifyClicked) {
                SwitchPage(PageOfTab(id));
            }
            return true;
        case kNewButton:
            if (code == kNotifyClicked) {
                OnNewMacro();
            }
            return true;
        case kNameListId:
            OnNameListMessage(code);
            return true;
        default:
            // The handlers of the other pages' controls are not built yet; their
            // messages end here.
            return id >= 2045 && id <= 2303;
    }
}

// Enter on the RECORD page commits a typed macro name before anything else sees it.
bool CTarvikDlg::PreTranslateMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (message >= ui::WM_KEYDOWN && message <= ui::WM_SYSDEADCHAR && wParam == ui::VK_RETURN &&
        g_currentPage == kRecordPage && m_nameList && m_nameList->HasPendingName()) {
        m_nameList->CommitName();
    }
    return CDlgBase::PreTranslateMessage(message, wParam, lParam);
}

ui::LRESULT CTarvikDlg::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    switch (message) {
        case ui::WM_COMMAND:
            if (ui::loWord(wParam) == kShowWindowCommand && ui::hiWord(wParam) == 0) {
                BringToFront();
                return 0;
            }
            break;
        case kQueuedWorkMessage:
            m_work.runAll();
            return 0;
        case kStatusMessage:
            m_lastStatus = static_cast<std::uint32_t>(wParam);
            return 0;
        case kTrayMessage:
            OnTrayIcon(static_cast<ui::UINT>(wParam), static_cast<ui::UINT>(lParam));
            return 0;
        case kHookKeyMessage:
        case kKeyMapResultMessage:
            return 0;
        default:
            if (message >= 2001 && message <= 2303 && OnControlMessage(message, lParam)) {
                return 0;
            }
            break;
    }
    return CDlgBase::WindowProc(message, wParam, lParam);
}
