#pragma once

#include "platform/ui/DeviceContext.h"
#include "platform/ui/Image.h"

// A horizontal strip of equally wide frames, one per look of a control. The
// frame width is the image width divided by the frame count, truncated, so the
// rightmost pixels of an uneven strip are never shown.
class ImageStrip {
public:
    explicit ImageStrip(int frames) : frames_(frames) {}

    // FALSE when the resource is missing; the strip then draws nothing. The
    // picture is decoded when it is first needed: the controls of pages not
    // shown yet cost a window nothing at its start.
    ui::BOOL Load(int resourceId);
    void SetImage(ui::Image image);

    // Frame k scaled into the rectangle.
    void DrawFrame(ui::DeviceContext& dc, int frame, const ui::Rect& rect) const;

    int FrameWidth() const;
    int FrameHeight() const;
    int Frames() const { return frames_; }

private:
    void Decode() const;

    int frames_;
    mutable int pendingResource_ = 0;
    mutable ui::Image image_;
    mutable int frameWidth_ = 0;
    mutable int frameHeight_ = 0;
};
