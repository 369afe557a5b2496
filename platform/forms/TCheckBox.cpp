#include "platform/forms/TCheckBox.h"

#include "platform/forms/LayoutProperties.h"

namespace forms {

TCheckBox::TCheckBox(TForm& owner) : TControl(owner, Windowed::yes) {
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetChecked(bool checked) {
    if (checked_ != checked) {
        checked_ = checked;
        Invalidate();
        TControl::Click();
    }
}

void TCheckBox::Click() {
    SetChecked(!checked_);
}

ui::Rect paintMarkAndCaption(ui::DeviceContext& dc, const TControl& control, const ui::Rect& rect, int markSize) {
    dc.fillRect(rect, control.Color());
    const ui::Rect mark = ui::rectAt(rect.left + 1, rect.top + (rect.height() - markSize) / 2, markSize, markSize);
    dc.setFont(layerFont(control.Font()));
    dc.setTextColor(control.Enabled() ? control.Font().Color : clGrayText);
    dc.setBkMode(ui::BkMode::transparent);
    dc.drawText(control.Caption(), {mark.right + 4, rect.top, rect.right, rect.bottom},
                ui::DT_SINGLELINE | ui::DT_VCENTER);
    return mark;
}

void TCheckBox::Paint(ui::DeviceContext& dc, const ui::Rect& rect) {
    const ui::Rect box = paintMarkAndCaption(dc, *this, rect, 13);
    dc.fillRect(box, Enabled() ? clWindow : clBtnFace);
    dc.frameRect(box, 0x333333);
    if (!checked_) {
        return;
    }
    // A tick of three-pixel strokes: down to the lower third, then up to the right.
    const int x = box.left + 3;
    const int y = box.top + 6;
    for (int i = 0; i < 3; ++i) {
        dc.fillRect(ui::rectAt(x + i, y + i, 1, 3), clWindowText);
    }
    for (int i = 0; i < 5; ++i) {
        dc.fillRect(ui::rectAt(x + 3 + i, y + 1 - i, 1, 3), clWindowText);
    }
}

bool TCheckBox::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                            std::string& error) {
    if (key == "Checked") {
        // Layout values are design-time state: no handler is attached yet, so nothing fires.
        return layout::apply(value, error, [&](bool v) { SetChecked(v); });
    }
    return TControl::SetProperty(key, value, folder, error);
}

void TCheckBox::DescribeState(std::ostream& out) const {
    TControl::DescribeState(out);
    out << " checked=" << (checked_ ? 1 : 0);
}

}  // namespace forms
