#include "keyboard/toolkit/CTabControl.h"

int g_currentPage = 0;
int g_currentProfile = 0;

namespace {

struct TabTarget {
    int* number;
    int value;
};

// What each tab id selects; null for ids outside the table.
TabTarget TargetOf(ui::UINT id) {
    switch (id) {
        case 2003:
            return {&g_currentPage, 0};
        case 2004:
            return {&g_currentPage, 1};
        case 2005:
            return {&g_currentPage, 2};
        case 2077:
            return {&g_currentPage, 3};
        case 2049:
            return {&g_currentProfile, 0};
        case 2050:
            return {&g_currentProfile, 1};
        case 2051:
            return {&g_currentProfile, 2};
        default:
            return {nullptr, 0};
    }
}

}  // namespace

CTabControl::CTabControl(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text,
                         ui::BOOL visible, ui::BOOL disabled, ui::BOOL)
    : CButtonBase(parent, id, rect, text, visible, disabled, 3) {}

bool CTabControl::IsSelected() const {
    TabTarget target = TargetOf(m_id);
    return target.number && *target.number == target.value;
}

void CTabControl::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    DrawFrame(dc, CurrentFrame());
}

void CTabControl::OnClick() {
    TabTarget target = TargetOf(m_id);
    if (target.number) {
        *target.number = target.value;
    }
    Notify(kNotifyClicked);
}
