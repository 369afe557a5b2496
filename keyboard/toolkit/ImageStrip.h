#pragma once

#include "platform/ui/DeviceContext.h"
#include "platform/ui/Image.h"

// A horizontal strip of equally wide frames, one per look of a control. The
// frame width is the image width divided by the frame count, truncated, so the
// rightmost pixels of an uneven strip are never shown.
class ImageStrip {
public:
    explicit ImageStrip(int frames) : frames_(frames) {}

    // FALSE when the resource is missing; the strip then draws nothing.
    ui::BOOL Load(int resourceId);
    void SetImage(ui::Image image);

    // Frame k scaled into the rectangle.
    void DrawFrame(ui::DeviceContext& dc, int frame, const ui::Rect& rect) const;

    int FrameWidth() const { return frameWidth_; }
    int FrameHeight() const { return frameHeight_; }
    int Frames() const { return frames_; }

private:
    int frames_;
    ui::Image image_;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
};
