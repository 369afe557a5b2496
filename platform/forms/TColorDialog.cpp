#include "platform/forms/TColorDialog.h"

#include "platform/forms/LayoutProperties.h"
#include "platform/forms/TForm.h"
#include "platform/ui/ColorDialog.h"

namespace forms {

bool TColorDialog::Execute() {
    const std::optional<ui::COLORREF> chosen = ui::colorDialog({Color, &Owner()});
    if (!chosen) {
        return false;
    }
    Color = *chosen;
    return true;
}

bool TColorDialog::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                               std::string& error) {
    if (key == "Color") {
        return layout::applyColor(value, error, [&](TColor v) { Color = v; });
    }
    return TComponent::SetProperty(key, value, folder, error);
}

void TColorDialog::DescribeState(std::ostream& out) const {
    out << " color=0x" << std::hex << Color << std::dec;
    TComponent::DescribeState(out);
}

}  // namespace forms
