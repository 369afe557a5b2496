#pragma once

#include "platform/forms/TControl.h"
#include "platform/ui/Image.h"

namespace forms {

// A picture from a file (BMP, PNG or JPEG). Stretch scales it to the control,
// AutoSize sizes the control to it, Center centres it; Transparent on a bitmap
// leaves out every pixel of the colour of its bottom-left pixel.
class TImage : public TControl {
public:
    explicit TImage(TForm& owner);

    std::string_view KindName() const override { return "TImage"; }

    // False (and an empty picture) when the file cannot be read as a picture.
    bool LoadPicture(const std::string& path);
    void SetPicture(const ui::Image& picture);
    void ClearPicture();
    const ui::Image& Picture() const { return picture_; }
    const std::string& PictureFile() const { return pictureFile_; }

    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    void Paint(ui::DeviceContext& dc, const ui::Rect& rect) override;
    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;

protected:
    void AdjustSize() override;
    bool HasCaption() const override { return false; }

private:
    void Prepare();

    ui::Image picture_;
    ui::Image shown_;  // the picture as drawn (keyed out when transparent)
    std::string pictureFile_;
    bool isBitmap_ = false;
    bool stretch_ = false;
    bool autoSize_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

}  // namespace forms
