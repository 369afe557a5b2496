#include "keyboard/mainwindow/CLightPage.h"

#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/model/LightingNames.h"
#include "keyboard/resources/MainWindowLayout.h"
#include "keyboard/toolkit/CComboButton.h"

namespace {
constexpr ui::UINT kModeListOpen = 1068;
constexpr ui::UINT kBrightnessListOpen = 1063;
constexpr ui::UINT kSpeedListOpen = 1071;
}  // namespace

void CLightPage::CreateControls(bool shown) {
    const ui::UINT openMessages[] = {kModeListOpen, kBrightnessListOpen, kSpeedListOpen};
    for (int i = 0; i < 3; ++i) {
        const auto& place = layout::kLightCombos[i];
        auto combo = std::make_unique<CComboButton>(&m_window, openMessages[i], place.id, ToRect(place.rect),
                                                    std::string{}, shown);
        combo->SetImage(static_cast<int>(place.image));
        m_window.AddControl(CTarvikDlg::kLightGroup, std::move(combo));
    }
}

// A value outside its list leaves the caption as it was.
void CLightPage::ShowProfile(const ProfileRecord& record) {
    const struct {
        ui::UINT id;
        std::string name;
    } captions[] = {
        {ids::kLightModeCombo, LightModeName(record.NumericSetting(kLightMode))},
        {ids::kLightBrightnessCombo, LightBrightnessName(record.NumericSetting(kLightBrightness))},
        {ids::kLightSpeedCombo, LightSpeedName(record.NumericSetting(kLightSpeed))},
    };
    for (const auto& caption : captions) {
        auto* button = static_cast<CComboButton*>(m_window.FindControl(caption.id));
        if (button && !caption.name.empty()) {
            button->m_displayText = caption.name;
        }
    }
}

// Choosing lighting values is not built yet: their messages end here.
bool CLightPage::OnControlMessage(ui::UINT id, ui::LPARAM) {
    return id == ids::kLightModeCombo || id == ids::kLightBrightnessCombo || id == ids::kLightSpeedCombo;
}
