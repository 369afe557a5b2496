#include "keyboard/toolkit/CRadioButton.h"

ui::UINT g_radioState = kRadioStateInitial;

namespace {
constexpr ui::UINT kGroupBits = (1u << 7) | (1u << 8);
}

ui::UINT RadioBitOf(ui::UINT id) {
    switch (id) {
        case 2013:
            return 1u << 7;
        case 2014:
            return 1u << 8;
        default:
            return 0;
    }
}

CRadioButton::CRadioButton(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text,
                           ui::BOOL visible, ui::BOOL disabled, ui::BOOL)
    : CButtonBase(parent, id, rect, text, visible, disabled, 3) {}

ui::BOOL CRadioButton::SetImage(int) {
    return CButtonBase::SetImage(kImageId);
}

bool CRadioButton::IsSelected() const {
    ui::UINT bit = RadioBitOf(m_id);
    return bit != 0 && (g_radioState & bit) != 0;
}

int CRadioButton::CurrentFrame() const {
    return IsSelected() ? 2 : m_state.Get();
}

void CRadioButton::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    DrawFrame(dc, CurrentFrame());
}

void CRadioButton::OnClick() {
    if (ui::UINT bit = RadioBitOf(m_id)) {
        g_radioState = (g_radioState & ~kGroupBits) | bit;
    }
    Notify(kNotifyClicked);
}
