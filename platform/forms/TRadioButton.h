#pragma once

#include "platform/forms/TControl.h"

namespace forms {

// A round choice; checking one unchecks the other radio buttons of the same
// parent. Setting Checked to true from code raises OnClick as a click does.
class TRadioButton : public TControl {
public:
    explicit TRadioButton(TForm& owner);

    std::string_view KindName() const override { return "TRadioButton"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    void Paint(ui::DeviceContext& dc, const ui::Rect& rect) override;
    void Click() override;
    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;

private:
    void UncheckSiblings();

    bool checked_ = false;
};

}  // namespace forms
