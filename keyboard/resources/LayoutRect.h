#pragma once

// A rectangle in client coordinates of a window, right and bottom exclusive, as
// the toolkit's rectangles are. Kept free of any drawing library so that the
// image generator and the windows share one set of positions.
namespace layout {

struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
};

// Place of one skinned control together with the resource its look comes from.
struct ControlPlace {
    unsigned id;
    LayoutRect rect;
    unsigned image;  // PNG id of its strip, 0 when the control has none
};

}  // namespace layout
