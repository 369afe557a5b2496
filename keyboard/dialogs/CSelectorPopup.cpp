#include "keyboard/dialogs/CSelectorPopup.h"

#include "platform/ui/Messaging.h"

namespace {
// The items' own font: nine pixels wide, its height taken from the width.
const ui::FontSpec kItemFontSpec{.height = 0, .width = 9, .weight = ui::FW_NORMAL, .face = "宋体"};
constexpr unsigned kItemTextFormat = ui::DT_SINGLELINE | ui::DT_VCENTER | ui::DT_WORD_ELLIPSIS;
}  // namespace

CSelectorPopup::CSelectorPopup(const SelectorLook& look) : m_look(look), m_itemFont(kItemFontSpec) {
    m_kind = look.kind;
    if (look.width > 0) {
        m_width = look.width;
    }
}

void CSelectorPopup::AddItem(std::string text, int value, bool opensSubmenu) {
    m_items.push_back(SelectorItem{.value = value, .text = std::move(text), .opensSubmenu = opensSubmenu});
    Layout();
}

void CSelectorPopup::AddSeparator() {
    m_items.push_back(SelectorItem{.separator = true});
    Layout();
}

// Items stack from the top margin; the popup ends three pixels below the last one.
void CSelectorPopup::Layout() {
    if (m_look.width > 0) {
        m_width = m_look.width;  // fixed per class, whatever Open was given
    }
    int y = kMargin;
    int bottom = kMargin;
    for (SelectorItem& item : m_items) {
        if (item.separator) {
            item.rect = ui::Rect{kMargin, y + 2, m_width - kMargin, y + 3};
            y += kSeparatorHeight;
        } else {
            item.rect = ui::Rect{kMargin, y, m_width - kMargin, y + kItemHeight};
            y += kItemHeight;
        }
        bottom = item.rect.bottom;
    }
    if (exists()) {
        resize({m_width, bottom + kMargin});
    }
}

bool CSelectorPopup::HotContains(int x, int y) const {
    return m_hot != kNoItem && m_items[static_cast<std::size_t>(m_hot)].rect.contains({x, y});
}

ui::BOOL CSelectorPopup::OnHover(int x, int y) {
    if (HotContains(x, y)) {
        return ui::FALSE;
    }
    bool changed = m_hot != kNoItem;
    m_hot = kNoItem;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (!m_items[i].separator && m_items[i].rect.contains({x, y})) {
            m_hot = static_cast<int>(i);
            changed = true;
            OnNewHotItem(m_hot);
            break;
        }
    }
    return changed ? ui::TRUE : ui::FALSE;
}

// A press outside the hot item forgets it without a redraw: the release that
// follows outside it repaints.
ui::BOOL CSelectorPopup::OnPress(int x, int y) {
    if (m_hot == kNoItem) {
        return ui::FALSE;
    }
    if (!HotContains(x, y)) {
        m_hot = kNoItem;
        return ui::FALSE;
    }
    if (PressNotifies(m_items[static_cast<std::size_t>(m_hot)])) {
        SendToOwner(m_notifyMessage, 0, 0);
    }
    return ui::FALSE;
}

ui::BOOL CSelectorPopup::OnRelease(int x, int y) {
    if (m_hot == kNoItem) {
        return ui::FALSE;
    }
    if (!HotContains(x, y)) {
        m_hot = kNoItem;
        return ui::TRUE;
    }
    OnClick(m_items[static_cast<std::size_t>(m_hot)]);
    return ui::FALSE;
}

ui::LRESULT CSelectorPopup::SendToOwner(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    return Owner() ? ui::SendMessage(Owner(), message, wParam, lParam) : 0;
}

void CSelectorPopup::SendResult() {
    SendToOwner(m_notifyMessage, m_ownerControlId, reinterpret_cast<ui::LPARAM>(&m_result));
}

void CSelectorPopup::DrawItems(ui::DeviceContext& dc, const ui::Rect&) {
    const ui::COLORREF previousColor = dc.setTextColor(m_look.textColor);
    const ui::BkMode previousMode = dc.setBkMode(ui::BkMode::transparent);
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        DrawItem(dc, static_cast<int>(i));
    }
    dc.setBkMode(previousMode);
    dc.setTextColor(previousColor);
}

void CSelectorPopup::DrawItem(ui::DeviceContext& dc, int index) {
    const SelectorItem& item = m_items[static_cast<std::size_t>(index)];
    if (item.separator) {
        dc.fillRect(item.rect, kHotFill);
        return;
    }
    const ui::Font previousFont = dc.font();
    if (m_look.font == ItemFont::item) {
        dc.setFont(m_itemFont);
    }
    if (index == m_hot) {
        dc.fillRect(item.rect, kHotFill);
    }
    const ui::Rect textRect{item.rect.left + 2, item.rect.top, item.rect.right - 2, item.rect.bottom};
    dc.drawText(item.text, textRect, kItemTextFormat);
    if (item.opensSubmenu) {
        DrawSubmenuArrow(dc, item.rect);
    }
    dc.setFont(previousFont);
}

// A small white triangle pointing right, one column of 1, 3, 5 and 7 pixels
// from its tip leftwards.
void CSelectorPopup::DrawSubmenuArrow(ui::DeviceContext& dc, const ui::Rect& item) {
    const int r = item.right;
    const int t = item.top;
    for (int column = 0; column < 4; ++column) {
        const int x = r - 3 - column;
        for (int y = t + 6 - column; y <= t + 6 + column; ++y) {
            dc.setPixel(x, y, kWhiteText);
        }
    }
}
