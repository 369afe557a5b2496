#pragma once

#include <optional>

#include "platform/forms/TControl.h"
#include "platform/ui/Image.h"

namespace forms {

// A picture from a file (BMP, PNG or JPEG). Stretch scales it to the control,
// AutoSize sizes the control to it, Center centres it; Transparent on a bitmap
// leaves out every pixel of the colour of its bottom-left pixel.
//
// A file's picture is decoded when it is first drawn or asked for: a skin gives
// pictures to every page's controls, and those of hidden pages are never drawn
// until their page shows. Loading the same, unchanged file again keeps it.
class TImage : public TControl {
public:
    explicit TImage(TForm& owner);

    std::string_view KindName() const override { return "TImage"; }

    // False (and an empty picture) when the file cannot be read as a picture.
    bool LoadPicture(const std::string& path);
    void SetPicture(const ui::Image& picture);
    void ClearPicture();
    const ui::Image& Picture() const;
    // The picture's size, without decoding a file that is not decoded yet.
    ui::Size PictureSize() const { return pictureSize_; }
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
    struct FileStamp {
        long long size = 0;
        long long writtenSeconds = 0;
        long long writtenNanoseconds = 0;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };

    static std::optional<FileStamp> stampOf(const std::string& path);
    void Prepare();
    void Decode() const;
    const ui::Image& Shown() const;

    mutable ui::Image picture_;
    mutable ui::Image keyed_;  // the picture keyed out, when transparent, made at its first drawing
    mutable bool pending_ = false;  // pictureFile_ is still to be decoded into picture_
    mutable ui::Size pictureSize_;
    std::optional<FileStamp> stamp_;  // of pictureFile_ when it was loaded
    std::string pictureFile_;
    bool isBitmap_ = false;
    bool stretch_ = false;
    bool autoSize_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

}  // namespace forms
