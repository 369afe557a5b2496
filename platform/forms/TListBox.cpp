#include "platform/forms/TListBox.h"

#include "platform/forms/LayoutProperties.h"

namespace forms {

TListBox::TListBox(TForm& owner) : TControl(owner, Windowed::yes) {
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
}

void TListBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (itemIndex_ >= Count()) {
        itemIndex_ = -1;
    }
    Invalidate();
}

void TListBox::AddItem(const std::string& text) {
    items_.push_back(text);
    Invalidate();
}

void TListBox::Clear() {
    items_.clear();
    itemIndex_ = -1;
    Invalidate();
}

void TListBox::SetItemIndex(int index) {
    const int next = index >= 0 && index < Count() ? index : -1;
    if (next != itemIndex_) {
        itemIndex_ = next;
        Invalidate();
    }
}

int TListBox::ItemHeight() const {
    return layerFont(Font()).lineHeight() + 2;
}

void TListBox::Paint(ui::DeviceContext& dc, const ui::Rect& rect) {
    dc.fillRect(rect, Color());
    drawEdge(dc, rect, Edge::sunken);
    dc.setFont(layerFont(Font()));
    dc.setBkMode(ui::BkMode::transparent);
    const int height = ItemHeight();
    for (int i = 0; i < Count(); ++i) {
        const ui::Rect row = ui::rectAt(rect.left + 2, rect.top + 2 + i * height, rect.width() - 4, height);
        if (row.top >= rect.bottom - 2) {
            break;
        }
        const bool selected = i == itemIndex_;
        if (selected) {
            dc.fillRect(row, clHighlight);
        }
        dc.setTextColor(selected ? clHighlightText : Font().Color);
        dc.drawText(items_[static_cast<std::size_t>(i)], row.offset(2, 0),
                    ui::DT_SINGLELINE | ui::DT_VCENTER | ui::DT_NOPREFIX);
    }
}

void TListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        const int row = (y - 2) / ItemHeight();
        if (y >= 2 && row < Count()) {
            SetItemIndex(row);
        }
    }
    TControl::MouseDown(button, shift, x, y);
}

bool TListBox::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                           std::string& error) {
    if (key == "Items") {
        SetItems(value.texts());
        return true;
    }
    if (key == "ItemIndex") {
        return layout::applyInt(value, error, [&](int v) { SetItemIndex(v); });
    }
    return TControl::SetProperty(key, value, folder, error);
}

void TListBox::DescribeState(std::ostream& out) const {
    TControl::DescribeState(out);
    out << " items=" << Count() << " index=" << itemIndex_;
}

}  // namespace forms
