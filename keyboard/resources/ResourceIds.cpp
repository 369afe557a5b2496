#include "keyboard/resources/ResourceIds.h"

#include "keyboard/resources/KeyboardLayout.h"

namespace resources {

std::vector<ImageSpec> allImages() {
    std::vector<ImageSpec> images(std::begin(kFixedImages), std::end(kFixedImages));
    for (int n = 0; n < layout::kKeyButtonCount; ++n) {
        const layout::LayoutRect rect = layout::keyButtonPlace(n).rect;
        images.push_back({ImageKind::png, layout::keyImageId(n), rect.width(), rect.height(), 3, "key"});
    }
    return images;
}

}  // namespace resources
