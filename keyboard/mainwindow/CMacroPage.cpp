#include "keyboard/mainwindow/CMacroPage.h"

#include <algorithm>
#include <iterator>

#include "keyboard/dialogs/CDPIPopup.h"
#include "keyboard/dialogs/CMacroLibraryPopup.h"
#include "keyboard/dialogs/CMultimediaPopup.h"
#include "keyboard/dialogs/CProfilePopup.h"
#include "keyboard/dialogs/CQuickLaunchDlg.h"
#include "keyboard/dialogs/CShortcutDlg.h"
#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/resources/MainWindowLayout.h"
#include "keyboard/toolkit/CComboButton.h"
#include "keyboard/toolkit/CTabControl.h"
#include "platform/ui/Messaging.h"

namespace {

constexpr int kShownSlots = 5;  // the sixth slot has no button

KeyFunction FunctionOf(const SelectorResult& chosen) {
    return KeyFunction{chosen.category, chosen.p1, chosen.p2};
}

}  // namespace

int GKeySlotOfButton(ui::UINT id) {
    const auto* found = std::find(std::begin(ids::kGKeyCombos), std::end(ids::kGKeyCombos), id);
    return found == std::end(ids::kGKeyCombos) ? -1 : static_cast<int>(found - std::begin(ids::kGKeyCombos));
}

void CMacroPage::CreateControls(bool shown) {
    for (const auto& place : layout::kGKeyCombos) {
        auto combo = std::make_unique<CComboButton>(&m_window, kMenuOpenRequest, place.id, ToRect(place.rect),
                                                    std::string{}, shown);
        combo->SetImage(static_cast<int>(place.image));
        m_window.AddControl(CTarvikDlg::kMacroGroup, std::move(combo));
    }
}

void CMacroPage::ShowProfile(const ProfileRecord& record) {
    for (int slot = 0; slot < kShownSlots; ++slot) {
        if (auto* button = dynamic_cast<CComboButton*>(m_window.FindControl(ids::kGKeyCombos[slot]))) {
            button->m_displayText = record.GKey(slot)->name;
            m_window.invalidate(button->GetRect());
        }
    }
}

// The buttons ask for their menu with their own message (1028); their
// notifications by id have nothing more to do.
bool CMacroPage::OnControlMessage(ui::UINT id, ui::LPARAM) {
    return GKeySlotOfButton(id) >= 0;
}

bool CMacroPage::OnWindowMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (message == kMenuOpenRequest) {
        if (GKeySlotOfButton(static_cast<ui::UINT>(wParam)) >= 0 && lParam == kNotifyClicked) {
            m_popups.OpenMenu(static_cast<ui::UINT>(wParam));
        }
        return true;
    }
    return OnPopupMessage(message, wParam, lParam) || OnDialogMessage(message, wParam, lParam);
}

bool CMacroPage::OnPopupMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    const auto id = static_cast<ui::UINT>(wParam);
    const auto* chosen = reinterpret_cast<const SelectorResult*>(lParam);
    switch (message) {
        case CGKeyMenuPopups::kMenuMessage:
            OnMenuChoice(id, chosen);
            return true;
        case CGKeyMenuPopups::kMultimediaChosen:
        case CGKeyMenuPopups::kWindowManageChosen:
        case CGKeyMenuPopups::kMouseChosen:
        case CGKeyMenuPopups::kMacroChosen:
            OnListChoice(message, id, chosen);
            return true;
        case CGKeyMenuPopups::kMultimediaHover:
        case CGKeyMenuPopups::kWindowManageHover:
        case CGKeyMenuPopups::kMouseHover:
        case CGKeyMenuPopups::kMacroHover:
        case CGKeyMenuPopups::kNoListHover:
            m_popups.OnHover(message);
            return true;
        case CGKeyMenuPopups::kMenuClosed:
            m_popups.OnMenuClosed();
            return true;
        case CGKeyMenuPopups::kMultimediaClosed:
            m_popups.OnListClosed(CProfilePopup::kKind);
            return true;
        case CGKeyMenuPopups::kWindowManageClosed:
            m_popups.OnListClosed(CDPIPopup::kKind);
            return true;
        case CGKeyMenuPopups::kMouseClosed:
            m_popups.OnListClosed(CMultimediaPopup::kKind);
            return true;
        case CGKeyMenuPopups::kMacroClosed:
            m_popups.OnListClosed(CMacroLibraryPopup::kKind);
            return true;
        default:
            return false;
    }
}

bool CMacroPage::OnDialogMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    switch (message) {
        case kShortcutChosen:
            AskForDialog(static_cast<ui::UINT>(wParam), m_shortcutButton, kRunShortcutDialog);
            return true;
        case kQuickLaunchChosen:
            AskForDialog(static_cast<ui::UINT>(wParam), m_quickLaunchButton, kRunQuickLaunchDialog);
            return true;
        case kRunShortcutDialog:
            RunShortcutDialog();
            return true;
        case kRunQuickLaunchDialog:
            RunQuickLaunchDialog();
            return true;
        case kShortcutResult:
            if (const auto* combination = reinterpret_cast<const SelectorResult*>(lParam)) {
                Store(m_shortcutButton, combination->name, FunctionOf(*combination), {});
            }
            return true;
        case kQuickLaunchResult:
            if (const auto* program = reinterpret_cast<const SelectorResult*>(lParam); program && wParam != 0) {
                Store(m_quickLaunchButton, program->name, FunctionOf(*program),
                      *reinterpret_cast<const std::string*>(wParam));
            }
            return true;
        default:
            return false;
    }
}

// "Default Function" gives the slot back its own default, whatever the
// record says; "No Function" is stored as it comes. The first four items
// report with id 0 and open their lists by hover instead.
void CMacroPage::OnMenuChoice(ui::UINT buttonId, const SelectorResult* chosen) {
    const int slot = GKeySlotOfButton(buttonId);
    if (slot < 0 || !chosen) {
        return;
    }
    if (chosen->category == static_cast<std::uint8_t>(FunctionCategory::KeyCombination)) {
        Store(buttonId, DefaultGKeyName(slot), DefaultGKeyFunction(slot), {});
    } else {
        Store(buttonId, chosen->name, FunctionOf(*chosen), {});
    }
}

void CMacroPage::OnListChoice(ui::UINT message, ui::UINT buttonId, const SelectorResult* chosen) {
    const int slot = GKeySlotOfButton(buttonId);
    if (slot < 0 || !chosen) {
        return;
    }
    Store(buttonId, chosen->name, FunctionOf(*chosen), {});
    if (message == CGKeyMenuPopups::kMacroChosen) {
        m_window.Pending().Mark(PendingWrites::kFirstMacro + slot, g_currentProfile);
    }
}

void CMacroPage::AskForDialog(ui::UINT buttonId, ui::UINT& remembered, ui::UINT runMessage) {
    if (GKeySlotOfButton(buttonId) < 0) {
        return;
    }
    remembered = buttonId;
    m_popups.CloseAll();
    ui::PostMessage(m_window.handle(), runMessage);
}

void CMacroPage::RunShortcutDialog() {
    if (m_shortcutButton == 0) {
        return;
    }
    CShortcutDlg dialog(&m_window);
    dialog.DoModal();
    m_shortcutButton = 0;
}

void CMacroPage::RunQuickLaunchDialog() {
    if (m_quickLaunchButton == 0) {
        return;
    }
    CQuickLaunchDlg dialog(&m_window);
    dialog.DoModal();
    m_quickLaunchButton = 0;
}

void CMacroPage::Store(ui::UINT buttonId, const std::string& name, const KeyFunction& function,
                       const std::string& launchPath) {
    const int slot = GKeySlotOfButton(buttonId);
    if (slot < 0) {
        return;
    }
    m_window.Data().profiles.Record(g_currentProfile).SetGKey(slot, name, function, launchPath);
    m_window.Pending().Mark(PendingWrites::kKeyMap, g_currentProfile);
    if (auto* button = dynamic_cast<CComboButton*>(m_window.FindControl(buttonId))) {
        button->m_displayText = name;
    }
    m_popups.CloseAll();  // also shows the button released
}
