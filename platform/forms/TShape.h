#pragma once

#include "platform/forms/TControl.h"

namespace forms {

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum class TBrushStyle { bsSolid, bsClear };

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
};

// A filled outline: the brush fills it, the pen draws its edge.
class TShape : public TControl {
public:
    explicit TShape(TForm& owner);

    std::string_view KindName() const override { return "TShape"; }

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    const TBrush& Brush() const { return brush_; }
    void SetBrush(const TBrush& brush);
    void SetBrushColor(TColor color);
    const TPen& Pen() const { return pen_; }
    void SetPen(const TPen& pen);

    void Paint(ui::DeviceContext& dc, const ui::Rect& rect) override;
    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;

protected:
    bool HasCaption() const override { return false; }

private:
    TShapeType shape_ = TShapeType::stRectangle;
    TBrush brush_;
    TPen pen_;
};

}  // namespace forms
