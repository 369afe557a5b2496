#include "keyboard/mainwindow/CMacroPage.h"

#include <algorithm>
#include <iterator>

#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/resources/MainWindowLayout.h"
#include "keyboard/toolkit/CComboButton.h"

namespace {
constexpr ui::UINT kGKeyMenuOpen = 1028;
}  // namespace

void CMacroPage::CreateControls(bool shown) {
    for (const auto& place : layout::kGKeyCombos) {
        auto combo = std::make_unique<CComboButton>(&m_window, kGKeyMenuOpen, place.id, ToRect(place.rect),
                                                    std::string{}, shown);
        combo->SetImage(static_cast<int>(place.image));
        m_window.AddControl(CTarvikDlg::kMacroGroup, std::move(combo));
    }
}

void CMacroPage::ShowProfile(const ProfileRecord& record) {
    for (int slot = 0; slot < 5; ++slot) {
        if (auto* button = m_window.FindControl(ids::kGKeyCombos[slot])) {
            static_cast<CComboButton*>(button)->m_displayText = record.GKey(slot)->name;
        }
    }
}

// Choosing G-key functions is not built yet: their messages end here.
bool CMacroPage::OnControlMessage(ui::UINT id, ui::LPARAM) {
    return std::find(std::begin(ids::kGKeyCombos), std::end(ids::kGKeyCombos), id) !=
           std::end(ids::kGKeyCombos);
}
