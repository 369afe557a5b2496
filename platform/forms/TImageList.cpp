#include "platform/forms/TImageList.h"

#include "platform/forms/LayoutProperties.h"
#include "platform/ui/DeviceContext.h"

namespace forms {

void TImageList::SetSize(int width, int height) {
    width_ = std::max(1, width);
    height_ = std::max(1, height);
}

int TImageList::Add(const ui::Image& picture) {
    if (picture.isNull()) {
        return -1;
    }
    ui::Image sized(width_, height_, 0);
    ui::DeviceContext(sized).drawImage(picture, ui::rectAt(0, 0, width_, height_),
                                       ui::rectAt(0, 0, picture.width(), picture.height()));
    images_.push_back(std::move(sized));
    return Count() - 1;
}

int TImageList::AddFromFile(const std::string& path) {
    return Add(ui::Image::fromFile(path));
}

ui::Image TImageList::GetImage(int index) const {
    return index >= 0 && index < Count() ? images_[static_cast<std::size_t>(index)] : ui::Image();
}

bool TImageList::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                             std::string& error) {
    if (key == "Width") {
        return layout::applyInt(value, error, [&](int v) { SetSize(v, height_); });
    }
    if (key == "Height") {
        return layout::applyInt(value, error, [&](int v) { SetSize(width_, v); });
    }
    if (key == "Images") {
        for (const std::string& file : value.texts()) {
            const std::string path = layout::resolvePath(folder, file);
            if (AddFromFile(path) < 0) {
                error = "cannot read the picture \"" + path + "\"";
                return false;
            }
        }
        return true;
    }
    return TComponent::SetProperty(key, value, folder, error);
}

void TImageList::DescribeState(std::ostream& out) const {
    out << " count=" << Count() << " size=" << width_ << 'x' << height_;
    TComponent::DescribeState(out);
}

}  // namespace forms
