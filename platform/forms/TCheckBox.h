#pragma once

#include "platform/forms/TControl.h"

namespace forms {

// A box with a tick and a caption beside it. A click toggles it; setting
// Checked from code raises OnClick as a click does.
class TCheckBox : public TControl {
public:
    explicit TCheckBox(TForm& owner);

    std::string_view KindName() const override { return "TCheckBox"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    void Paint(ui::DeviceContext& dc, const ui::Rect& rect) override;
    void Click() override;
    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;

private:
    bool checked_ = false;
};

// The caption right of a mark of `markSize` pixels, vertically centred; shared by
// check boxes and radio buttons. Returns the mark's rectangle.
ui::Rect paintMarkAndCaption(ui::DeviceContext& dc, const TControl& control, const ui::Rect& rect, int markSize);

}  // namespace forms
