#include "keyboard/toolkit/CImageShowList.h"

#include <cstdio>

#include "keyboard/model/KeyNames.h"
#include "keyboard/toolkit/ControlDrawing.h"

namespace {
constexpr ui::COLORREF kGround = ui::RGB(5, 16, 38);
constexpr ui::COLORREF kSelected = ui::RGB(53, 160, 222);
constexpr ui::COLORREF kText = ui::RGB(255, 255, 255);
}  // namespace

CImageShowList::CImageShowList(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text,
                               ui::BOOL visible, ui::BOOL disabled)
    : CControlBase(parent, id, rect, text, visible, disabled, ui::TRUE),
      m_visibleRows((rect.height() + 10) / kRowHeight) {
    LoadPngResource(kReleaseIcon, m_releaseIcon);
    LoadPngResource(kPressIcon, m_pressIcon);
    LoadPngResource(kDelayIcon, m_delayIcon);
}

std::string CImageShowList::ActionText(const MacroAction& action) {
    if (action.IsKey()) {
        const char* name = VkKeyNames()[action.bytes[0]];
        return std::string(name ? name : "") + (action.IsRelease() ? " Release" : " Press");
    }
    char text[16];
    std::snprintf(text, sizeof text, "%ums", static_cast<unsigned>(action.DelayMilliseconds()));
    return text;
}

int CImageShowList::ActionCount() const {
    return m_macro ? static_cast<int>(m_macro->actionCount) : 0;
}

const ui::Image& CImageShowList::IconFor(const MacroAction& action) const {
    if (!action.IsKey()) {
        return m_delayIcon;
    }
    return action.IsRelease() ? m_releaseIcon : m_pressIcon;
}

void CImageShowList::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    dc.fillRect(m_rect, kGround);
    if (!m_macro) {
        return;
    }
    ui::BkMode previousMode = dc.setBkMode(ui::BkMode::transparent);
    ui::COLORREF previousColor = dc.setTextColor(kText);
    ui::Font previousFont = dc.setFont(m_font);
    const int count = ActionCount();
    for (int i = 0; i < m_visibleRows && m_firstRow + i < count; ++i) {
        const int index = m_firstRow + i;
        const ui::Rect row{m_rect.left + 17, m_rect.top + kRowHeight * i, m_rect.right - 2,
                           m_rect.top + kRowHeight * i + kRowHeight};
        if (index == m_selection) {
            dc.fillRect(row, kSelected);
        }
        const MacroAction action = m_macro->GetAction(static_cast<std::uint32_t>(index));
        dc.drawText(ActionText(action), row, ui::DT_SINGLELINE | ui::DT_VCENTER | ui::DT_WORD_ELLIPSIS);
        const ui::Image& icon = IconFor(action);
        if (!icon.isNull()) {
            dc.drawImage(icon, row.left - 15, row.top + 3);
        }
    }
    dc.setFont(previousFont);
    dc.setTextColor(previousColor);
    dc.setBkMode(previousMode);
}

ui::BOOL CImageShowList::OnMouseMove(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    return m_state.Move(Contains(x, y));
}

ui::BOOL CImageShowList::OnLButtonDown(ui::UINT, int x, int y) {
    if (m_disabled || !m_state.Press(Contains(x, y))) {
        return ui::FALSE;
    }
    // Counted from the first visible row, so a scrolled list cannot select past its end.
    const int index = m_firstRow + (y - m_rect.top) / kRowHeight;
    if (index >= ActionCount() || index == m_selection) {
        return ui::FALSE;
    }
    m_selection = index;
    return ui::TRUE;
}

ui::BOOL CImageShowList::OnLButtonUp(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    if (m_state.Release(Contains(x, y))) {
        Notify(kNotifyClicked);
    }
    return ui::FALSE;
}
