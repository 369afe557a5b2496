#include "keyboard/mainwindow/CLightPage.h"

#include "keyboard/dialogs/CLightBrightnessPopup.h"
#include "keyboard/dialogs/CLightModePopup.h"
#include "keyboard/dialogs/CLightSpeedPopup.h"
#include "keyboard/mainwindow/CLightPreview.h"
#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/model/LightingNames.h"
#include "keyboard/resources/MainWindowLayout.h"
#include "keyboard/toolkit/CComboButton.h"
#include "keyboard/toolkit/CTabControl.h"

namespace {

constexpr CLightPage::List kLists[] = {
    {ids::kLightModeCombo, CLightModePopup::kKind, 1068, 1070, 1069, kLightMode},
    {ids::kLightBrightnessCombo, CLightBrightnessPopup::kKind, 1063, 1065, 1064, kLightBrightness},
    {ids::kLightSpeedCombo, CLightSpeedPopup::kKind, 1071, 1073, 1072, kLightSpeed},
};

// The area a list is opened with, below its button; its items give its height.
constexpr int kListArea = 300;

CSelectorPopup* NewList(int kind) {
    switch (kind) {
        case CLightModePopup::kKind:
            return new CLightModePopup();
        case CLightBrightnessPopup::kKind:
            return new CLightBrightnessPopup();
        default:
            return new CLightSpeedPopup();
    }
}

}  // namespace

void CLightPage::CreateControls(bool shown) {
    for (int i = 0; i < 3; ++i) {
        const auto& place = layout::kLightCombos[i];
        auto combo = std::make_unique<CComboButton>(&m_window, kLists[i].openMessage, place.id,
                                                    ToRect(place.rect), std::string{}, shown);
        combo->SetImage(static_cast<int>(place.image));
        m_window.AddControl(CTarvikDlg::kLightGroup, std::move(combo));
    }
    m_preview = m_window.AddControl(CTarvikDlg::kLightGroup,
                                    std::make_unique<CLightPreview>(&m_window, shown ? ui::TRUE : ui::FALSE));
}

// A value outside its list leaves the caption as it was.
void CLightPage::ShowProfile(const ProfileRecord& record) {
    const std::string captions[] = {LightModeName(record.NumericSetting(kLightMode)),
                                    LightBrightnessName(record.NumericSetting(kLightBrightness)),
                                    LightSpeedName(record.NumericSetting(kLightSpeed))};
    for (int i = 0; i < 3; ++i) {
        CComboButton* button = Button(kLists[i]);
        if (button && !captions[i].empty()) {
            button->m_displayText = captions[i];
        }
    }
    m_modeIndex = record.NumericSetting(kLightMode);
    if (m_preview) {
        m_preview->Show(record);
    }
}

// The buttons ask for their lists with their open messages; their own click ends here.
bool CLightPage::OnControlMessage(ui::UINT id, ui::LPARAM) {
    return id == ids::kLightModeCombo || id == ids::kLightBrightnessCombo || id == ids::kLightSpeedCombo;
}

bool CLightPage::OnWindowMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    for (const List& list : kLists) {
        if (message == list.openMessage && wParam == list.buttonId) {
            OpenList(list);
            return true;
        }
        if (message == list.chosenMessage && lParam != 0) {
            OnChosen(list, *reinterpret_cast<const SelectorResult*>(lParam));
            return true;
        }
        if (message == list.closedMessage) {
            OnClosed(list);
            return true;
        }
    }
    return false;
}

CComboButton* CLightPage::Button(const List& list) const {
    return static_cast<CComboButton*>(m_window.FindControl(list.buttonId));
}

void CLightPage::OpenList(const List& list) {
    CComboButton* button = Button(list);
    if (!button) {
        return;
    }
    m_window.ClosePopup(list.kind);
    const ui::Rect rect = button->GetRect();
    const ui::Point corner = m_window.clientToScreen({rect.left, rect.bottom});
    CSelectorPopup* popup = NewList(list.kind);  // deletes itself when its window goes
    if (!popup->Open(&m_window, ui::rectAt(corner.x, corner.y, kListArea, kListArea), list.chosenMessage,
                     list.buttonId)) {
        delete popup;
        return;
    }
    m_window.SetPopup(list.kind, popup);
    button->m_open = ui::TRUE;
    m_window.invalidate(rect);
}

void CLightPage::Release(const List& list) {
    if (CComboButton* button = Button(list)) {
        button->m_open = ui::FALSE;
        m_window.invalidate(button->GetRect());
    }
}

// The choice goes into the current profile and waits for Apply.
void CLightPage::OnChosen(const List& list, const SelectorResult& result) {
    if (CComboButton* button = Button(list)) {
        button->m_displayText = result.name;
    }
    Release(list);
    m_window.ClosePopup(list.kind);
    const int index = result.category;
    ProfileRecord& record = m_window.Data().profiles.Record(g_currentProfile);
    record.SetNumericSetting(list.setting, index);
    if (list.setting == kLightMode) {
        m_modeIndex = index;
    }
    m_window.ShowProfile(g_currentProfile);
    m_window.Pending().Mark(PendingWrites::kLighting, g_currentProfile);
}

void CLightPage::OnClosed(const List& list) {
    Release(list);
    m_window.ClosePopup(list.kind);
}
