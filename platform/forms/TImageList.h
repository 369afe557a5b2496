#pragma once

#include <vector>

#include "platform/forms/TComponent.h"
#include "platform/ui/Image.h"

namespace forms {

// Pictures of one size kept by index (the tray icon takes its icons from one).
class TImageList : public TComponent {
public:
    explicit TImageList(TForm& owner) : TComponent(owner) {}

    std::string_view KindName() const override { return "TImageList"; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height);

    int Add(const ui::Image& picture);  // its index
    // -1 when the file is not a picture.
    int AddFromFile(const std::string& path);
    void Clear() { images_.clear(); }
    int Count() const { return static_cast<int>(images_.size()); }
    // A null image outside the list.
    ui::Image GetImage(int index) const;

    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;

private:
    int width_ = 16;
    int height_ = 16;
    std::vector<ui::Image> images_;
};

}  // namespace forms
