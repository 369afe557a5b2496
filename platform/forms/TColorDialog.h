#pragma once

#include "platform/forms/TComponent.h"

namespace forms {

// The colour picker: Execute shows it starting at Color and, when the user
// chose, leaves the choice in Color.
class TColorDialog : public TComponent {
public:
    explicit TColorDialog(TForm& owner) : TComponent(owner) {}

    std::string_view KindName() const override { return "TColorDialog"; }
    TColor Color = clBlack;

    bool Execute();

    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;
};

}  // namespace forms
