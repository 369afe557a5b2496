#include "keyboard/dialogs/CKeyMapSettingDlg.h"

#include <memory>

#include "keyboard/dialogs/CMultimediaPopup.h"
#include "keyboard/dialogs/DialogButtons.h"
#include "keyboard/model/KeyFunction.h"
#include "keyboard/model/KeyNames.h"
#include "keyboard/toolkit/CComboButton.h"
#include "keyboard/toolkit/CImageButton.h"
#include "keyboard/toolkit/CRadioButton.h"
#include "keyboard/toolkit/CStaticText.h"
#include "platform/ui/Messaging.h"

namespace {

constexpr KeyMapCode kFirstMouseCode = 0xD0;  // "Click"
constexpr KeyMapCode kLastMouseCode = 0xD6;   // "Fire"
constexpr KeyMapCode kDoubleClickCode = 0xD5;
constexpr int kDefaultImage = 276;
constexpr int kComboImage = 266;
constexpr ui::COLORREF kKeyLabelColour = ui::RGB(0, 255, 0);
constexpr ui::COLORREF kOfferedKeyColour = ui::RGB(255, 255, 255);
constexpr ui::Rect kOfferedKeyArea{234, 98, 401, 122};
constexpr std::uint8_t kMouseButtonCategory = 0x03;
constexpr std::uint8_t kDoubleClickCategory = 0x04;

}  // namespace

bool IsMouseFunctionCode(KeyMapCode code) {
    return code >= kFirstMouseCode && code <= kLastMouseCode;
}

// The list and the codes run in the same order, "Click" to "Fire".
std::string MouseFunctionCodeName(KeyMapCode code) {
    return IsMouseFunctionCode(code) ? MouseFunctions().at(code - kFirstMouseCode).name : std::string{};
}

KeyMapCode MouseFunctionCodeOf(const SelectorResult& chosen) {
    if (chosen.category == kMouseButtonCategory) {
        switch (chosen.p1) {
            case 0x02:
                return 0xD1;
            case 0x04:
                return 0xD2;
            case 0x08:
                return 0xD3;
            case 0x10:
                return 0xD4;
            default:
                return kFirstMouseCode;
        }
    }
    return chosen.category == kDoubleClickCategory ? kDoubleClickCode : kLastMouseCode;
}

CKeyMapSettingDlg::CKeyMapSettingDlg(ui::Window* parent, ui::UINT keyButtonId, const std::string& keyLabel,
                                     KeyMapCode defaultCode, KeyMapCode currentCode)
    : CDlgBase(parent),
      m_keyButtonId(keyButtonId),
      m_keyLabel(keyLabel),
      m_defaultCode(defaultCode),
      m_currentCode(currentCode) {
    m_width = 496;
    m_height = 247;
}

ui::BOOL CKeyMapSettingDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    SetBackground(static_cast<int>(m_backgroundId));
    m_keyboardHook.StartHook(this);
    return ui::TRUE;
}

void CKeyMapSettingDlg::CreateControls(const ui::Rect& client) {
    AddConfirmationButtons(*this, client);
    auto* restore = AddControl(
        1, std::make_unique<CImageButton>(this, kDefaultButton, PlaceInClient({303, 55, 401, 80}, client)));
    restore->SetImage(kDefaultImage);
    AddControl(1,
               std::make_unique<CStaticText>(this, kKeyLabelText, PlaceInClient({168, 60, 294, 83}, client),
                                             kKeyLabelColour, CStaticText::kLeft, m_keyLabel));
    m_resultText = AddControl(
        1, std::make_unique<CStaticText>(this, kOfferedKeyText, PlaceInClient({234, 102, 401, 122}, client),
                                         kOfferedKeyColour, CStaticText::kLeft, m_keyLabel));
    auto* chooser =
        AddControl(1, std::make_unique<CComboButton>(this, kOpenListMessage, kMouseChooser,
                                                     PlaceInClient({233, 138, 402, 164}, client)));
    chooser->SetImage(kComboImage);
    for (ui::UINT option : {kKeyOption, kMouseOption}) {
        const ui::Rect rect = option == kKeyOption ? ui::Rect{70, 100, 85, 115} : ui::Rect{70, 145, 85, 160};
        AddControl(1, std::make_unique<CRadioButton>(this, option, PlaceInClient(rect, client)))
            ->SetImage(CRadioButton::kImageId);
    }

    if (IsMouseFunctionCode(m_currentCode)) {
        chooser->m_displayText = MouseFunctionCodeName(m_currentCode);
        m_mouseChoice = m_currentCode;
        m_keyChoice = m_defaultCode;
        SelectOption(kMouseOption);
    } else {
        chooser->m_displayText = MouseFunctionCodeName(kFirstMouseCode);
        m_keyChoice = m_currentCode;
        m_mouseChoice = kFirstMouseCode;
        m_resultText->m_staticText = HidKeyNames()[m_currentCode];
        SelectOption(kKeyOption);
    }
}

// The option lives in the program's radio state word, where it stays after the dialog.
void CKeyMapSettingDlg::SelectOption(ui::UINT option) {
    g_radioState = (g_radioState & ~(RadioBitOf(kKeyOption) | RadioBitOf(kMouseOption))) | RadioBitOf(option);
    for (ui::UINT id : {kKeyOption, kMouseOption}) {
        if (CControlBase* radio = FindControl(id)) {
            invalidate(radio->GetRect());
        }
    }
}

void CKeyMapSettingDlg::ShowOfferedKey(const std::string& text) {
    m_resultText->m_staticText = text;
    invalidate(kOfferedKeyArea);
}

ui::LRESULT CKeyMapSettingDlg::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (EndOnButtonClick(*this, message, lParam)) {
        return 0;
    }
    switch (message) {
        case CKeyboardHook::kKeyMessage:
            OnKeyEvent(static_cast<std::uint8_t>(wParam & 0xFF));
            return 0;
        case kOpenListMessage:
            if (wParam == kMouseChooser && lParam == kNotifyClicked) {
                OpenMouseList();
            }
            return 0;
        case kMouseChosenMessage:
            if (lParam != 0) {
                OnMouseChosen(*reinterpret_cast<const SelectorResult*>(lParam));
            }
            return 0;
        case kListClosedMessage:
            if (lParam == CMultimediaPopup::kKind) {
                CloseMouseList();
            }
            return 0;
        case kDefaultButton:
            if (lParam == kNotifyClicked) {
                RestoreDefault();
            }
            return 0;
        case kKeyOption:
        case kMouseOption:
            if (lParam == kNotifyClicked) {
                SelectOption(message);  // the click has set the word already; this redraws both
            }
            return 0;
        default:
            return CDlgBase::WindowProc(message, wParam, lParam);
    }
}

// Presses and releases alike; 0 is no key (a closing list sends it too).
void CKeyMapSettingDlg::OnKeyEvent(std::uint8_t virtualKey) {
    if (virtualKey == 0) {
        return;
    }
    m_capturedKeyName = VkKeyNames()[virtualKey];
    m_capturedKey = virtualKey;
    m_keyChoice = VirtualKeyToUsage(virtualKey);
    ShowOfferedKey(m_capturedKeyName);
}

void CKeyMapSettingDlg::OpenMouseList() {
    auto* chooser = static_cast<CComboButton*>(FindControl(kMouseChooser));
    chooser->m_open = ui::TRUE;
    ClosePopup(CMultimediaPopup::kKind);
    const ui::Rect rect = chooser->GetRect();
    const ui::Point below = clientToScreen({rect.left, rect.bottom});
    auto* list = new CMultimediaPopup();  // deletes itself when its window goes
    if (!list->Open(this, ui::rectAt(below.x, below.y, rect.width(), 0), kMouseChosenMessage,
                    kMouseChooser)) {
        delete list;
        chooser->m_open = ui::FALSE;
        return;
    }
    SetPopup(CMultimediaPopup::kKind, list);
    invalidate(rect);
}

void CKeyMapSettingDlg::OnMouseChosen(const SelectorResult& chosen) {
    auto* chooser = static_cast<CComboButton*>(FindControl(kMouseChooser));
    chooser->m_displayText = chosen.name;
    m_mouseChoice = MouseFunctionCodeOf(chosen);
    CloseMouseList();
}

void CKeyMapSettingDlg::CloseMouseList() {
    auto* chooser = static_cast<CComboButton*>(FindControl(kMouseChooser));
    chooser->m_open = ui::FALSE;
    invalidate(chooser->GetRect());
    ClosePopup(CMultimediaPopup::kKind);
}

void CKeyMapSettingDlg::RestoreDefault() {
    m_keyChoice = m_defaultCode;
    SelectOption(kKeyOption);
    ShowOfferedKey(m_keyLabel);
}

void CKeyMapSettingDlg::OnOK() {
    EndDialog(ui::IDOK);
    const bool mouseSelected = (g_radioState & RadioBitOf(kMouseOption)) != 0;
    m_currentCode = mouseSelected ? m_mouseChoice : m_keyChoice;
    ui::SendMessage(dialogOwner(), kResultMessage, m_keyButtonId, m_currentCode);
}
