#include "keyboard/toolkit/ImageStrip.h"

#include "keyboard/toolkit/ControlDrawing.h"

ui::BOOL ImageStrip::Load(int resourceId) {
    if (!PngResourceExists(resourceId)) {
        return ui::FALSE;
    }
    SetImage({});
    pendingResource_ = resourceId;
    return ui::TRUE;
}

void ImageStrip::SetImage(ui::Image image) {
    pendingResource_ = 0;
    image_ = std::move(image);
    frameWidth_ = image_.isNull() ? 0 : image_.width() / frames_;
    frameHeight_ = image_.isNull() ? 0 : image_.height();
}

void ImageStrip::Decode() const {
    if (pendingResource_ == 0) {
        return;
    }
    const int id = pendingResource_;
    pendingResource_ = 0;
    ui::Image image;
    LoadPngResource(id, image);
    const_cast<ImageStrip*>(this)->SetImage(std::move(image));
}

int ImageStrip::FrameWidth() const {
    Decode();
    return frameWidth_;
}

int ImageStrip::FrameHeight() const {
    Decode();
    return frameHeight_;
}

void ImageStrip::DrawFrame(ui::DeviceContext& dc, int frame, const ui::Rect& rect) const {
    Decode();
    if (frameWidth_ <= 0 || frameHeight_ <= 0) {
        return;
    }
    int left = frame * frameWidth_;
    dc.drawImage(image_, rect, ui::Rect{left, 0, left + frameWidth_, frameHeight_});
}
