// The controls of the main window, in the groups its pages show and hide.
#include <memory>

#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/model/KeyButtons.h"
#include "keyboard/resources/KeyboardLayout.h"
#include "keyboard/resources/MainWindowLayout.h"
#include "keyboard/toolkit/CCheckButton.h"
#include "keyboard/toolkit/CComboButton.h"
#include "keyboard/toolkit/CEditShowList.h"
#include "keyboard/toolkit/CImageButton.h"
#include "keyboard/toolkit/CImageShowList.h"
#include "keyboard/toolkit/CKeyboardButton.h"
#include "keyboard/toolkit/CLinkButton.h"
#include "keyboard/toolkit/CTabControl.h"
#include "keyboard/toolkit/CVScrollBar.h"

namespace {

constexpr ui::UINT kGKeyMenuOpen = 1028;
constexpr ui::UINT kModeListOpen = 1068;
constexpr ui::UINT kBrightnessListOpen = 1063;
constexpr ui::UINT kSpeedListOpen = 1071;

ui::Rect ToRect(const layout::LayoutRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

template <typename Button>
std::unique_ptr<Button> MakeButton(ui::Window* parent, const layout::ControlPlace& place, ui::BOOL visible) {
    auto button = std::make_unique<Button>(parent, place.id, ToRect(place.rect), std::string{}, visible);
    if constexpr (requires { button->SetImage(1); }) {
        if (place.image != 0) {
            button->SetImage(static_cast<int>(place.image));
        }
    }
    return button;
}

}  // namespace

void CTarvikDlg::CreateControls(const ui::Rect&) {
    AddFrameControls();
    AddKeyMapControls();
    AddRecordControls();
    AddMacroControls();
    AddLightControls();
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
    for (const auto& tab : layout::kProfileTabs) {
        AddControl(kAlwaysGroup, MakeButton<CTabControl>(this, tab, ui::TRUE));
    }
    AddControl(kAlwaysGroup, MakeButton<CImageButton>(this, layout::kResetCurrentButton, ui::TRUE));
    AddControl(kAlwaysGroup, MakeButton<CImageButton>(this, layout::kResetAllButton, ui::TRUE));
}

// The keyboard picture: five small G tabs that lead to the MACRO page, and the 104 keys.
void CTarvikDlg::AddKeyMapControls() {
    const bool shown = g_currentPage == kKeyMapPage;
    for (int g = 0; g < layout::kGKeyCount; ++g) {
        layout::ControlPlace place{kMacroTabId, layout::gKeyRect(g), layout::gKeyImageId(g)};
        AddControl(kKeyMapGroup, MakeButton<CTabControl>(this, place, shown));
    }
    for (int n = 0; n < kKeyButtonCount; ++n) {
        const KeyButton* key = KeyButtonAt(n);
        layout::ControlPlace place{kFirstKeyButton + static_cast<unsigned>(n), layout::keyButtonPlace(n).rect,
                                   layout::keyImageId(n)};
        auto* button = AddControl(kKeyMapGroup, MakeButton<CKeyboardButton>(this, place, shown));
        button->SetKey(key->label, key->defaultCode, key->defaultCode);
    }
}

void CTarvikDlg::AddRecordControls() {
    const bool shown = g_currentPage == kRecordPage;
    for (const auto& place : layout::kRecordButtons) {
        AddControl(kRecordGroup, MakeButton<CImageButton>(this, place, shown));
    }
    m_nameList =
        AddControl(kRecordGroup, std::make_unique<CEditShowList>(this, layout::kMacroNameList.id,
                                                                 ToRect(layout::kMacroNameList.rect),
                                                                 &m_data.library, std::string{}, shown));
    for (const auto& place : {layout::kLoopCheck, layout::kDelayCheck, layout::kRecordCheck}) {
        AddControl(kRecordGroup, MakeButton<CCheckButton>(this, place, shown));
    }
    m_actionList = AddControl(kRecordGroup, std::make_unique<CImageShowList>(this, layout::kActionList.id,
                                                                             ToRect(layout::kActionList.rect),
                                                                             std::string{}, shown));
    m_nameScroll = AddControl(kRecordGroup, MakeButton<CVScrollBar>(this, layout::kMacroNameScroll, shown));
    m_actionScroll = AddControl(kRecordGroup, MakeButton<CVScrollBar>(this, layout::kActionScroll, shown));
    m_nameScroll->SetImages();
    m_actionScroll->SetImages();
    m_loopEdit.create(*this, static_cast<int>(kLoopEditId), ToRect(layout::kLoopEdit.rect));
    m_loopEdit.setFont(m_dialogFont);
    m_loopEdit.setColors(ui::RGB(255, 255, 255), ui::RGB(24, 26, 32));
    m_loopEdit.show(shown);
}

void CTarvikDlg::AddMacroControls() {
    const bool shown = g_currentPage == kMacroPage;
    for (const auto& place : layout::kGKeyCombos) {
        auto combo = std::make_unique<CComboButton>(this, kGKeyMenuOpen, place.id, ToRect(place.rect),
                                                    std::string{}, shown);
        combo->SetImage(static_cast<int>(place.image));
        AddControl(kMacroGroup, std::move(combo));
    }
}

void CTarvikDlg::AddLightControls() {
    const bool shown = g_currentPage == kLightPage;
    const ui::UINT openMessages[] = {kModeListOpen, kBrightnessListOpen, kSpeedListOpen};
    for (int i = 0; i < 3; ++i) {
        const auto& place = layout::kLightCombos[i];
        auto combo = std::make_unique<CComboButton>(this, openMessages[i], place.id, ToRect(place.rect),
                                                    std::string{}, shown);
        combo->SetImage(static_cast<int>(place.image));
        AddControl(kLightGroup, std::move(combo));
    }
}
