#include "platform/forms/TImage.h"

#include <sys/stat.h>

#include <fstream>

#include "platform/forms/LayoutProperties.h"

namespace forms {

namespace {

bool startsAsBitmap(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char magic[2] = {};
    in.read(magic, 2);
    return in.gcount() == 2 && magic[0] == 'B' && magic[1] == 'M';
}

ui::Image keyedOut(const ui::Image& picture) {
    ui::Image result = picture.copy(ui::rectAt(0, 0, picture.width(), picture.height()));
    const ui::Argb key = picture.pixel(0, picture.height() - 1) | 0xFF000000u;
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            if ((result.pixel(x, y) | 0xFF000000u) == key) {
                result.setPixel(x, y, 0);
            }
        }
    }
    return result;
}

}  // namespace

TImage::TImage(TForm& owner) : TControl(owner, Windowed::no) {
    SetBounds(0, 0, 105, 105);
}

std::optional<TImage::FileStamp> TImage::stampOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileStamp{static_cast<long long>(status.st_size), static_cast<long long>(status.st_mtim.tv_sec),
                     static_cast<long long>(status.st_mtim.tv_nsec)};
}

bool TImage::LoadPicture(const std::string& path) {
    std::optional<FileStamp> stamp = stampOf(path);
    if (stamp && path == pictureFile_ && stamp == stamp_ && (pending_ || !picture_.isNull())) {
        AdjustSize();
        return true;
    }
    pictureFile_ = path;
    stamp_ = stamp;
    picture_ = ui::Image();
    pending_ = false;
    if (std::optional<ui::Size> size = ui::Image::sizeOfFile(path)) {
        pending_ = true;
        pictureSize_ = *size;
    } else {
        // A reader that cannot tell the size from the header decodes it now.
        picture_ = ui::Image::fromFile(path);
        pictureSize_ = picture_.size();
    }
    isBitmap_ = (pending_ || !picture_.isNull()) && startsAsBitmap(path);
    Prepare();
    return pending_ || !picture_.isNull();
}

void TImage::SetPicture(const ui::Image& picture) {
    pictureFile_.clear();
    stamp_.reset();
    pending_ = false;
    picture_ = picture;
    pictureSize_ = picture_.size();
    isBitmap_ = true;  // a picture drawn in memory counts as a bitmap
    Prepare();
}

void TImage::ClearPicture() {
    pictureFile_.clear();
    stamp_.reset();
    pending_ = false;
    picture_ = ui::Image();
    pictureSize_ = {};
    isBitmap_ = false;
    Prepare();
}

const ui::Image& TImage::Picture() const {
    Decode();
    return picture_;
}

void TImage::Decode() const {
    if (pending_) {
        pending_ = false;
        picture_ = ui::Image::fromFile(pictureFile_);
        pictureSize_ = picture_.size();  // a body that does not decode leaves no picture
    }
}

const ui::Image& TImage::Shown() const {
    Decode();
    if (transparent_ && isBitmap_ && !picture_.isNull()) {
        if (keyed_.isNull()) {
            keyed_ = keyedOut(picture_);
        }
        return keyed_;
    }
    return picture_;
}

void TImage::Prepare() {
    keyed_ = ui::Image();
    AdjustSize();
    Invalidate();
}

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void TImage::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void TImage::SetCenter(bool center) {
    center_ = center;
    Invalidate();
}

void TImage::SetTransparent(bool transparent) {
    if (transparent_ != transparent) {
        transparent_ = transparent;
        Prepare();
    }
}

void TImage::AdjustSize() {
    if (autoSize_ && pictureSize_.width > 0 && pictureSize_.height > 0) {
        SetBounds(Left(), Top(), pictureSize_.width, pictureSize_.height);
    }
}

void TImage::Paint(ui::DeviceContext& dc, const ui::Rect& rect) {
    const ui::Image& shown = Shown();
    if (shown.isNull()) {
        return;
    }
    const ui::Rect source = ui::rectAt(0, 0, shown.width(), shown.height());
    if (stretch_) {
        dc.drawImage(shown, rect, source);
        return;
    }
    int x = rect.left;
    int y = rect.top;
    if (center_) {
        x += (rect.width() - shown.width()) / 2;
        y += (rect.height() - shown.height()) / 2;
    }
    dc.drawImage(shown, x, y);
}

bool TImage::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                         std::string& error) {
    if (key == "Picture") {
        const std::optional<std::string> file = value.text();
        if (!file) {
            error = "Picture wants one file name";
            return false;
        }
        if (file->empty()) {
            ClearPicture();
            return true;
        }
        const std::string path = layout::resolvePath(folder, *file);
        if (!LoadPicture(path)) {
            error = "cannot read the picture \"" + path + "\"";
            return false;
        }
        return true;
    }
    if (key == "Stretch") {
        return layout::apply(value, error, [&](bool v) { SetStretch(v); });
    }
    if (key == "AutoSize") {
        return layout::apply(value, error, [&](bool v) { SetAutoSize(v); });
    }
    if (key == "Center") {
        return layout::apply(value, error, [&](bool v) { SetCenter(v); });
    }
    if (key == "Transparent") {
        return layout::apply(value, error, [&](bool v) { SetTransparent(v); });
    }
    return TControl::SetProperty(key, value, folder, error);
}

void TImage::DescribeState(std::ostream& out) const {
    TControl::DescribeState(out);
    out << " picture=";
    writeQuoted(out, pictureFile_.substr(pictureFile_.find_last_of('/') + 1));
}

}  // namespace forms
