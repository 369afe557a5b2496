#include "keyboard/mainwindow/CTarvikDlg.h"

#include "keyboard/dialogs/CAttentionDlg.h"
#include "keyboard/dialogs/COSDDialog.h"
#include "keyboard/mainwindow/CKeyMapPage.h"
#include "keyboard/mainwindow/CLightPage.h"
#include "keyboard/mainwindow/CMacroPage.h"
#include "keyboard/mainwindow/CProfileBar.h"
#include "keyboard/mainwindow/CRecordPage.h"
#include "keyboard/model/MacroFiles.h"
#include "keyboard/resources/MainWindowLayout.h"
#include "keyboard/toolkit/CImageButton.h"
#include "keyboard/toolkit/CLinkButton.h"
#include "keyboard/toolkit/CTabControl.h"
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
constexpr int kPagePictures[CTarvikDlg::kPageCount] = {398, 261, 259, 399};

int PageOfTab(ui::UINT id) {
    switch (id) {
        case ids::kKeyMapTab:
            return CTarvikDlg::kKeyMapPage;
        case ids::kRecordTab:
            return CTarvikDlg::kRecordPage;
        case ids::kMacroTab:
            return CTarvikDlg::kMacroPage;
        case ids::kLightTab:
            return CTarvikDlg::kLightPage;
        default:
            return -1;
    }
}

}  // namespace

CTarvikDlg::CTarvikDlg(hid::Bus& bus)
    : m_programFolder(core::programFolder("QUELDA_KEYBOARD_HOME", "quelda-keyboard")),
      m_data(m_programFolder),
      m_link(*this, bus),
      m_protocol(m_link, m_data.model, *this, m_pendingWrites),
      m_keyMap(std::make_unique<CKeyMapPage>(*this)),
      m_record(std::make_unique<CRecordPage>(*this)),
      m_macro(std::make_unique<CMacroPage>(*this)),
      m_light(std::make_unique<CLightPage>(*this)),
      m_profileBar(std::make_unique<CProfileBar>(*this)) {
    m_width = 805;
    m_height = 588;
    windowOptions().title = kTrayTip;
}

CTarvikDlg::~CTarvikDlg() {
    if (exists()) {
        destroy();
    }
}

std::array<CMainWindowPart*, CTarvikDlg::kPageCount + 1> CTarvikDlg::Parts() const {
    return {m_keyMap.get(), m_record.get(), m_macro.get(), m_light.get(), m_profileBar.get()};
}

ui::EditControl& CTarvikDlg::LoopEdit() {
    return m_record->LoopEdit();
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
    m_record->FillLists();
    RefreshProfile();
    m_link.RegisterForDeviceChanges();
    m_link.Discover();
    m_protocol.InitialSync();
    SetBackground(kShapeBitmap);
    return ui::TRUE;
}

// The frame's buttons first, then the profile bar and the pages, in the order
// their groups are drawn.
void CTarvikDlg::CreateControls(const ui::Rect&) {
    AddFrameControls();
    m_profileBar->CreateControls(true);
    m_keyMap->CreateControls(g_currentPage == kKeyMapPage);
    m_record->CreateControls(g_currentPage == kRecordPage);
    m_macro->CreateControls(g_currentPage == kMacroPage);
    m_light->CreateControls(g_currentPage == kLightPage);
}

void CTarvikDlg::AddFrameControls() {
    AddControl(kAlwaysGroup, MakeButton<CLinkButton>(this, layout::kLinkButton, ui::TRUE));
    AddControl(kAlwaysGroup, MakeButton<CImageButton>(this, layout::kCloseButton, ui::TRUE));
    AddControl(kAlwaysGroup, MakeButton<CImageButton>(this, layout::kMinimiseButton, ui::TRUE));
    for (const auto& tab : layout::kPageTabs) {
        AddControl(kAlwaysGroup, MakeButton<CTabControl>(this, tab, ui::TRUE));
    }
    AddControl(kAlwaysGroup, MakeButton<CImageButton>(this, layout::kOkButton, ui::TRUE));
    AddControl(kAlwaysGroup, MakeButton<CImageButton>(this, layout::kApplyButton, ui::TRUE));
    AddControl(kAlwaysGroup, MakeButton<CImageButton>(this, layout::kHideButton, ui::TRUE));
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
    if (page < 0 || page >= kPageCount) {
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
    for (CMainWindowPart* part : Parts()) {
        part->ShowProfile(record);
    }
    invalidate();
}

void CTarvikDlg::RefreshProfile() {
    g_currentProfile = m_data.settings.CurrentProfile();
    m_record->FillLists();
    ShowProfile(g_currentProfile);
}

void CTarvikDlg::SwitchPage(int page) {
    for (int group = kKeyMapGroup; group <= kLightGroup; ++group) {
        const ui::BOOL visible = group - kKeyMapGroup == page ? ui::TRUE : ui::FALSE;
        for (const auto& control : Group(group)) {
            control->SetVisible(visible);
        }
    }
    const auto parts = Parts();
    for (int p = 0; p < kPageCount; ++p) {
        parts[static_cast<std::size_t>(p)]->OnPageShown(p == page);
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
    DeleteOsd();
}

void CTarvikDlg::OnLButtonDown(ui::UINT flags, ui::Point point) {
    m_record->OnWindowPress(point);
    CDlgBase::OnLButtonDown(flags, point);
}

void CTarvikDlg::OnMouseWheel(ui::UINT, int delta, ui::Point screen) {
    m_record->OnMouseWheel(delta, screenToClient(screen));
}

bool CTarvikDlg::OnCommand(ui::WPARAM wParam, ui::LPARAM lParam) {
    if (ui::loWord(wParam) == kShowWindowCommand && ui::hiWord(wParam) == 0) {
        BringToFront();
        return true;
    }
    if (ui::loWord(wParam) == ids::kLoopEdit && ui::hiWord(wParam) == ui::EN_CHANGE) {
        m_record->OnLoopEditChanged();
        return true;
    }
    return CDlgBase::OnCommand(wParam, lParam);
}

void CTarvikDlg::OnTimer(std::uintptr_t id) {
    if (id == kOsdTimer) {
        OnOsdTimer();
        return;
    }
    CDlgBase::OnTimer(id);
}

// The frame's own buttons: hide, minimise, the web link and the page tabs.
bool CTarvikDlg::OnFrameMessage(ui::UINT id, ui::LPARAM code) {
    switch (id) {
        case ids::kCloseButton:
        case ids::kHideButton:
            if (code == kNotifyClicked) {
                show(ui::ShowCommand::hide);
            }
            return true;
        case ids::kMinimiseButton:
            if (code == kNotifyClicked) {
                show(ui::ShowCommand::minimize);
            }
            return true;
        case ids::kLinkButton:
            OnWebLink(code);
            return true;
        case ids::kKeyMapTab:
        case ids::kRecordTab:
        case ids::kMacroTab:
        case ids::kLightTab:
            if (code == kNotifyClicked) {
                SwitchPage(PageOfTab(id));
            }
            return true;
        default:
            return false;
    }
}

// The skinned controls report with their id as the message and a code in lParam.
bool CTarvikDlg::OnControlMessage(ui::UINT id, ui::LPARAM code) {
    if (OnFrameMessage(id, code)) {
        return true;
    }
    for (CMainWindowPart* part : Parts()) {
        if (part->OnControlMessage(id, code)) {
            return true;
        }
    }
    return false;
}

bool CTarvikDlg::PreTranslateMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (message >= ui::WM_KEYDOWN && message <= ui::WM_SYSDEADCHAR) {
        m_record->OnKey(wParam);
    }
    return CDlgBase::PreTranslateMessage(message, wParam, lParam);
}

// The window's own messages by number; the rest goes to the handlers.
ui::LRESULT CTarvikDlg::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    switch (message) {
        case kQueuedWorkMessage:
            m_work.runAll();
            return 0;
        case kStatusMessage:
            OnStatusMessage(static_cast<std::uint32_t>(wParam));
            return 0;
        case kTrayMessage:
            OnTrayIcon(static_cast<ui::UINT>(wParam), static_cast<ui::UINT>(lParam));
            return 0;
        case kHookKeyMessage:
            m_record->OnHookKey(wParam, lParam);
            return 0;
        case ids::kMacroNameScroll:
        case ids::kActionScroll:
            m_record->OnScrollMessage(message, wParam, lParam);
            return 0;
        default:
            if (message >= ids::kCloseButton && message <= ids::kLastKeyButton &&
                OnControlMessage(message, lParam)) {
                return 0;
            }
            for (CMainWindowPart* part : Parts()) {
                if (part->OnWindowMessage(message, wParam, lParam)) {
                    return 0;
                }
            }
            break;
    }
    return CDlgBase::WindowProc(message, wParam, lParam);
}
