#include "platform/forms/TRadioButton.h"

#include <cmath>

#include "platform/forms/LayoutProperties.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TForm.h"

namespace forms {

TRadioButton::TRadioButton(TForm& owner) : TControl(owner, Windowed::yes) {
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool checked) {
    if (checked_ == checked) {
        return;
    }
    checked_ = checked;
    Invalidate();
    if (checked) {
        UncheckSiblings();
        TControl::Click();
    }
}

void TRadioButton::UncheckSiblings() {
    for (const auto& component : Owner().Components()) {
        auto* other = dynamic_cast<TRadioButton*>(component.get());
        if (other != nullptr && other != this && other->Parent() == Parent() && other->checked_) {
            other->checked_ = false;
            other->Invalidate();
        }
    }
}

void TRadioButton::Click() {
    if (checked_) {
        TControl::Click();
    } else {
        SetChecked(true);
    }
}

void TRadioButton::Paint(ui::DeviceContext& dc, const ui::Rect& rect) {
    const ui::Rect mark = paintMarkAndCaption(dc, *this, rect, 13);
    const double centre = 6.5;
    for (int y = 0; y < mark.height(); ++y) {
        for (int x = 0; x < mark.width(); ++x) {
            const double d = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
            if (d <= 6.5 && d > 5.3) {
                dc.fillRect(ui::rectAt(mark.left + x, mark.top + y, 1, 1), 0x333333);
            } else if (d <= 5.3) {
                dc.fillRect(ui::rectAt(mark.left + x, mark.top + y, 1, 1), checked_ && d <= 2.6 ? clWindowText : clWindow);
            }
        }
    }
}

bool TRadioButton::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                               std::string& error) {
    if (key == "Checked") {
        return layout::apply(value, error, [&](bool v) { SetChecked(v); });
    }
    return TControl::SetProperty(key, value, folder, error);
}

void TRadioButton::DescribeState(std::ostream& out) const {
    TControl::DescribeState(out);
    out << " checked=" << (checked_ ? 1 : 0);
}

}  // namespace forms
