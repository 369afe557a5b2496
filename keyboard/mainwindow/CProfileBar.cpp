#include "keyboard/mainwindow/CProfileBar.h"

#include "keyboard/dialogs/CFirmwareResetDlg.h"
#include "keyboard/mainwindow/CRecordPage.h"
#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/resources/MainWindowLayout.h"
#include "keyboard/toolkit/CImageButton.h"
#include "keyboard/toolkit/CTabControl.h"

namespace {

// Rows the reset flows clear: lighting, key map and the macros of G1..G5.
constexpr int kResetRows = 7;

int ProfileOfTab(ui::UINT id) {
    for (int profile = 0; profile < 3; ++profile) {
        if (id == ids::kProfileTabs[profile]) {
            return profile;
        }
    }
    return -1;
}

}  // namespace

void CProfileBar::CreateControls(bool shown) {
    for (const auto& tab : layout::kProfileTabs) {
        m_window.AddControl(CTarvikDlg::kAlwaysGroup, MakeButton<CTabControl>(&m_window, tab, shown));
    }
    m_window.AddControl(CTarvikDlg::kAlwaysGroup,
                        MakeButton<CImageButton>(&m_window, layout::kResetCurrentButton, shown));
    m_window.AddControl(CTarvikDlg::kAlwaysGroup,
                        MakeButton<CImageButton>(&m_window, layout::kResetAllButton, shown));
}

bool CProfileBar::OnControlMessage(ui::UINT id, ui::LPARAM code) {
    const bool clicked = code == kNotifyClicked;
    if (int profile = ProfileOfTab(id); profile >= 0) {
        if (clicked) {
            SwitchTo(profile);
        }
        return true;
    }
    switch (id) {
        case ids::kApplyButton:
            if (clicked) {
                Apply();
            }
            return true;
        case ids::kOkButton:
            if (clicked) {
                Apply();
                m_window.show(ui::ShowCommand::hide);
            }
            return true;
        case ids::kResetCurrentButton:
            if (clicked) {
                ResetCurrent();
            }
            return true;
        case ids::kResetAllButton:
            if (clicked) {
                ResetAll();
            }
            return true;
        default:
            return false;
    }
}

// The settings hold the choice, so a refresh keeps showing it (and its tab).
void CProfileBar::SwitchTo(int profile) {
    m_window.Data().settings.SetCurrentProfile(profile);
    g_currentProfile = profile;
    m_window.ShowProfile(profile);
}

void CProfileBar::Apply() {
    ConfiguratorData& data = m_window.Data();
    m_window.Protocol().FlushPendingWrites();
    m_window.Link().SetDeviceProfile(g_currentProfile);
    data.settings.SetCurrentProfile(g_currentProfile);
    data.settings.SaveAppSettings();
    for (int slot = 0; slot < ProfileRecords::kCount; ++slot) {
        data.profiles.SaveProfile(slot);
    }
    if (m_window.LibraryModified()) {
        m_window.SaveLibrary();
    }
}

bool CProfileBar::Confirmed(int picture) {
    CFirmwareResetDlg dialog(&m_window);
    dialog.m_backgroundId = picture;
    return dialog.DoModal() == ui::IDOK;
}

void CProfileBar::ClearPendingRows(int profile) {
    for (int row = 0; row < kResetRows; ++row) {
        m_window.Pending().Take(row, profile);
    }
}

void CProfileBar::ResetCurrent() {
    if (!Confirmed(CFirmwareResetDlg::kResetCurrentBackground)) {
        return;
    }
    ConfiguratorData& data = m_window.Data();
    const int profile = data.settings.CurrentProfile();
    data.profiles.ResetProfile(profile);
    data.profiles.SaveProfile(profile);
    m_window.Protocol().WriteLighting(profile);
    m_window.Protocol().WriteKeyMap(profile);
    m_window.Link().SetDeviceProfile(profile);
    m_window.RefreshProfile();
    ClearPendingRows(profile);
}

// Profiles 3 and 4 go to on-board profiles 3 and 0: the reports carry p AND 3.
void CProfileBar::ResetAll() {
    if (!Confirmed(CFirmwareResetDlg::kResetAllBackground)) {
        return;
    }
    ConfiguratorData& data = m_window.Data();
    data.settings.SetDefaults();
    data.settings.SaveAppSettings();
    for (int profile = 0; profile < ProfileRecords::kCount; ++profile) {
        data.profiles.ResetProfile(profile);
        data.profiles.SaveProfile(profile);
        m_window.Protocol().WriteLighting(profile);
        m_window.Protocol().WriteKeyMap(profile);
    }
    m_window.Link().SetDeviceProfile(0);
    g_currentProfile = data.settings.CurrentProfile();
    m_window.ShowProfile(g_currentProfile);
    for (int profile = 0; profile < ProfileRecords::kCount; ++profile) {
        ClearPendingRows(profile);
    }
    m_window.Record().DeleteShownMacros();
}
