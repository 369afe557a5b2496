#include "keyboard/toolkit/ImageStrip.h"

#include "keyboard/toolkit/ControlDrawing.h"

ui::BOOL ImageStrip::Load(int resourceId) {
    ui::Image image;
    if (!LoadPngResource(resourceId, image)) {
        return ui::FALSE;
    }
    SetImage(std::move(image));
    return ui::TRUE;
}

void ImageStrip::SetImage(ui::Image image) {
    image_ = std::move(image);
    frameWidth_ = image_.isNull() ? 0 : image_.width() / frames_;
    frameHeight_ = image_.isNull() ? 0 : image_.height();
}

void ImageStrip::DrawFrame(ui::DeviceContext& dc, int frame, const ui::Rect& rect) const {
    if (frameWidth_ <= 0 || frameHeight_ <= 0) {
        return;
    }
    int left = frame * frameWidth_;
    dc.drawImage(image_, rect, ui::Rect{left, 0, left + frameWidth_, frameHeight_});
}
