#include "platform/forms/TComponent.h"

#include "platform/forms/LayoutProperties.h"
#include "platform/forms/LayoutValue.h"

namespace forms {

bool TComponent::SetProperty(const std::string& key, const LayoutValue& value, const std::string&,
                             std::string& error) {
    if (key == "Tag") {
        return layout::toInt(value, tag_, error);
    }
    error = "unknown property \"" + key + "\" of " + std::string(KindName());
    return false;
}

void TComponent::DescribeState(std::ostream& out) const {
    if (tag_ != 0) {
        out << " tag=" << tag_;
    }
}

}  // namespace forms
