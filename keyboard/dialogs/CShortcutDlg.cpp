#include "keyboard/dialogs/CShortcutDlg.h"

#include <memory>

#include "keyboard/dialogs/DialogButtons.h"
#include "keyboard/model/KeyNames.h"
#include "keyboard/toolkit/CCheckButton.h"
#include "keyboard/toolkit/CStaticText.h"
#include "platform/ui/Messaging.h"

namespace {

constexpr std::uint8_t kKeyCombinationCategory = 0x06;
constexpr int kCheckImage = 386;
constexpr ui::COLORREF kKeyNameColour = ui::RGB(255, 255, 255);
constexpr ui::Rect kKeyNameArea{287, 100, 405, 120};

struct Box {
    ui::UINT id;
    int left;
};
constexpr Box kBoxes[] = {{CShortcutDlg::kSingleKeyBox, 22},
                          {CShortcutDlg::kCtrlBox, 83},
                          {CShortcutDlg::kShiftBox, 136},
                          {CShortcutDlg::kAltBox, 186},
                          {CShortcutDlg::kWinBox, 232}};

struct Modifier {
    ui::UINT box;
    std::uint8_t bit;
};
constexpr Modifier kModifiers[] = {{CShortcutDlg::kCtrlBox, kModifierCtrl},
                                   {CShortcutDlg::kShiftBox, kModifierShift},
                                   {CShortcutDlg::kAltBox, kModifierAlt},
                                   {CShortcutDlg::kWinBox, kModifierWin}};

}  // namespace

CShortcutDlg::CShortcutDlg(ui::Window* owner) : CDlgBase(owner) {
    m_width = 420;
    m_height = 206;
}

ui::BOOL CShortcutDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    SetShapeFromBitmap(kBackground);
    SetBackground(kBackground);
    m_keyboardHook.StartHook(this);
    m_result.p1 = 0;
    m_result.p2 = 0;
    return ui::TRUE;
}

void CShortcutDlg::CreateControls(const ui::Rect& client) {
    AddRegionButton(*this, kCloseButton, PlaceInClient({391, 3, 414, 24}, client), 387, {23, 21}, {0, 20});
    for (const Box& box : kBoxes) {
        AddControl(1, std::make_unique<CCheckButton>(
                          this, box.id, PlaceInClient({box.left, 104, box.left + 12, 116}, client)))
            ->SetImage(kCheckImage);
    }
    AddControl(1, std::make_unique<CStaticText>(this, kKeyNameText, PlaceInClient(kKeyNameArea, client),
                                                kKeyNameColour));
    AddRegionButton(*this, kOkButton, PlaceInClient({16, 162, 89, 191}, client), 384, {73, 29}, {0, 0});
    AddRegionButton(*this, kCancelButton, PlaceInClient({118, 162, 184, 191}, client), 385, {66, 29}, {0, 0});
}

ui::LRESULT CShortcutDlg::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (EndOnButtonClick(*this, message, lParam)) {
        return 0;
    }
    switch (message) {
        case CKeyboardHook::kKeyMessage:
            OnKeyEvent(static_cast<std::uint8_t>(wParam & 0xFF));
            return 0;
        case kSingleKeyBox:
            if (lParam == kNotifyClicked) {
                OnSingleKeyOption();
            }
            return 0;
        default:
            return CDlgBase::WindowProc(message, wParam, lParam);
    }
}

bool CShortcutDlg::IsChecked(ui::UINT box) const {
    const auto* check = static_cast<const CCheckButton*>(FindControl(box));
    return check != nullptr && check->m_checked;
}

// Every key counts, the modifiers too, press or release: the last event wins.
void CShortcutDlg::OnKeyEvent(std::uint8_t virtualKey) {
    m_result.name = VkKeyNames()[virtualKey];
    m_result.p2 = VirtualKeyToUsage(virtualKey);
    static_cast<CStaticText*>(FindControl(kKeyNameText))->m_staticText = m_result.name;
    invalidate(kKeyNameArea);
}

// A single key takes no modifiers: their boxes are frozen as they are.
void CShortcutDlg::OnSingleKeyOption() {
    const ui::BOOL disabled = IsChecked(kSingleKeyBox) ? ui::TRUE : ui::FALSE;
    for (const Modifier& modifier : kModifiers) {
        CControlBase* box = FindControl(modifier.box);
        box->SetDisabled(disabled);
        invalidate(box->GetRect());
    }
}

std::uint8_t CShortcutDlg::TickedModifiers() const {
    std::uint8_t mask = 0;
    if (!IsChecked(kSingleKeyBox)) {
        for (const Modifier& modifier : kModifiers) {
            mask |= IsChecked(modifier.box) ? modifier.bit : 0;
        }
    }
    return mask;
}

// The combination text drops the "+" after the last modifier when no key was
// pressed, but a key named with a "+" ("Keypad +") keeps its name whole.
void CShortcutDlg::OnOK() {
    if (dialogOwner() != nullptr) {
        m_result.category = kKeyCombinationCategory;
        m_result.p1 = TickedModifiers();
        m_result.name = CombinationText(m_result.p1, m_result.name);
        if (!m_result.name.empty()) {
            ui::SendMessage(dialogOwner(), kResultMessage, kOkButton,
                            reinterpret_cast<ui::LPARAM>(&m_result));
        }
    }
    EndDialog(ui::IDCANCEL);
}
