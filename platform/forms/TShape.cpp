#include "platform/forms/TShape.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/forms/LayoutProperties.h"

namespace forms {

namespace {

struct Span {
    int left;
    int right;  // exclusive
};

enum class Outline { box, rounded, oval };

// The part of row y that lies inside the outline drawn in `r`; rounded corners
// have the radius of a quarter of the shorter side, as the desktop draws them.
std::optional<Span> spanAt(Outline outline, const ui::Rect& r, int y, int radius) {
    if (r.isEmpty() || y < r.top || y >= r.bottom) {
        return std::nullopt;
    }
    if (outline == Outline::box) {
        return Span{r.left, r.right};
    }
    const double cy = y + 0.5;
    if (outline == Outline::oval) {
        const double a = r.width() / 2.0;
        const double b = r.height() / 2.0;
        const double dy = (cy - (r.top + b)) / b;
        const double half = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        const int left = static_cast<int>(std::lround(r.left + a - half));
        const int right = static_cast<int>(std::lround(r.left + a + half));
        return left < right ? std::optional<Span>(Span{left, right}) : std::nullopt;
    }
    double inset = 0;
    if (cy < r.top + radius) {
        const double d = r.top + radius - cy;
        inset = radius - std::sqrt(std::max(0.0, double(radius) * radius - d * d));
    } else if (cy > r.bottom - radius) {
        const double d = cy - (r.bottom - radius);
        inset = radius - std::sqrt(std::max(0.0, double(radius) * radius - d * d));
    }
    const int i = static_cast<int>(std::lround(inset));
    return Span{r.left + i, r.right - i};
}

ui::Rect squareIn(const ui::Rect& r) {
    const int side = std::min(r.width(), r.height());
    return ui::rectAt(r.left + (r.width() - side) / 2, r.top + (r.height() - side) / 2, side, side);
}

}  // namespace

TShape::TShape(TForm& owner) : TControl(owner, Windowed::no) {
    SetBounds(0, 0, 65, 65);
}

void TShape::SetShape(TShapeType shape) {
    shape_ = shape;
    Invalidate();
}

void TShape::SetBrush(const TBrush& brush) {
    brush_ = brush;
    Invalidate();
}

void TShape::SetBrushColor(TColor color) {
    brush_.Color = color;
    Invalidate();
}

void TShape::SetPen(const TPen& pen) {
    pen_ = pen;
    Invalidate();
}

void TShape::Paint(ui::DeviceContext& dc, const ui::Rect& rect) {
    const bool square = shape_ == TShapeType::stSquare || shape_ == TShapeType::stRoundSquare ||
                        shape_ == TShapeType::stCircle;
    const ui::Rect outer = square ? squareIn(rect) : rect;
    Outline outline = Outline::box;
    if (shape_ == TShapeType::stRoundRect || shape_ == TShapeType::stRoundSquare) {
        outline = Outline::rounded;
    } else if (shape_ == TShapeType::stEllipse || shape_ == TShapeType::stCircle) {
        outline = Outline::oval;
    }
    const int penWidth = std::max(0, pen_.Width);
    const ui::Rect inner{outer.left + penWidth, outer.top + penWidth, outer.right - penWidth,
                         outer.bottom - penWidth};
    const int radius = std::min(outer.width(), outer.height()) / 4;
    const int innerRadius = std::max(0, radius - penWidth);
    for (int y = outer.top; y < outer.bottom; ++y) {
        const std::optional<Span> out = spanAt(outline, outer, y, radius);
        if (!out) {
            continue;
        }
        const std::optional<Span> in = spanAt(outline, inner, y, innerRadius);
        if (!in) {
            dc.fillRect({out->left, y, out->right, y + 1}, pen_.Color);
            continue;
        }
        dc.fillRect({out->left, y, in->left, y + 1}, pen_.Color);
        dc.fillRect({in->right, y, out->right, y + 1}, pen_.Color);
        if (brush_.Style == TBrushStyle::bsSolid) {
            dc.fillRect({in->left, y, in->right, y + 1}, brush_.Color);
        }
    }
}

bool TShape::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                         std::string& error) {
    if (key == "Shape") {
        return layout::applyEnum<TShapeType>(value, error,
                                             {{"stRectangle", TShapeType::stRectangle},
                                              {"stSquare", TShapeType::stSquare},
                                              {"stRoundRect", TShapeType::stRoundRect},
                                              {"stRoundSquare", TShapeType::stRoundSquare},
                                              {"stEllipse", TShapeType::stEllipse},
                                              {"stCircle", TShapeType::stCircle}},
                                             [&](TShapeType v) { SetShape(v); });
    }
    if (key == "Brush.Color") {
        return layout::applyColor(value, error, [&](TColor v) { SetBrushColor(v); });
    }
    if (key == "Brush.Style") {
        return layout::applyEnum<TBrushStyle>(value, error,
                                              {{"bsSolid", TBrushStyle::bsSolid}, {"bsClear", TBrushStyle::bsClear}},
                                              [&](TBrushStyle v) { SetBrush({brush_.Color, v}); });
    }
    if (key == "Pen.Color") {
        return layout::applyColor(value, error, [&](TColor v) { SetPen({v, pen_.Width}); });
    }
    if (key == "Pen.Width") {
        return layout::applyInt(value, error, [&](int v) { SetPen({pen_.Color, v}); });
    }
    return TControl::SetProperty(key, value, folder, error);
}

void TShape::DescribeState(std::ostream& out) const {
    TControl::DescribeState(out);
    out << " brush=0x" << std::hex << brush_.Color << " pen=0x" << pen_.Color << std::dec << '/' << pen_.Width;
}

}  // namespace forms
