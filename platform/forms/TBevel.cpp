#include "platform/forms/TBevel.h"

#include "platform/forms/LayoutProperties.h"

namespace forms {

TBevel::TBevel(TForm& owner) : TControl(owner, Windowed::no) {
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape shape) {
    shape_ = shape;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle style) {
    style_ = style;
    Invalidate();
}

void TBevel::Paint(ui::DeviceContext& dc, const ui::Rect& r) {
    const bool lowered = style_ == TBevelStyle::bsLowered;
    const TColor first = lowered ? clBtnShadow : clBtnHighlight;
    const TColor second = lowered ? clBtnHighlight : clBtnShadow;
    switch (shape_) {
        case TBevelShape::bsBox:
            drawEdge(dc, r, lowered ? Edge::sunken : Edge::raised);
            break;
        case TBevelShape::bsFrame:
            dc.frameRect(r, first);
            dc.frameRect({r.left + 1, r.top + 1, r.right, r.bottom}, second);
            dc.frameRect({r.left, r.top, r.right - 1, r.bottom - 1}, first);
            break;
        case TBevelShape::bsTopLine:
            dc.fillRect(ui::rectAt(r.left, r.top, r.width(), 1), first);
            dc.fillRect(ui::rectAt(r.left, r.top + 1, r.width(), 1), second);
            break;
        case TBevelShape::bsBottomLine:
            dc.fillRect(ui::rectAt(r.left, r.bottom - 2, r.width(), 1), first);
            dc.fillRect(ui::rectAt(r.left, r.bottom - 1, r.width(), 1), second);
            break;
        case TBevelShape::bsLeftLine:
            dc.fillRect(ui::rectAt(r.left, r.top, 1, r.height()), first);
            dc.fillRect(ui::rectAt(r.left + 1, r.top, 1, r.height()), second);
            break;
        case TBevelShape::bsRightLine:
            dc.fillRect(ui::rectAt(r.right - 2, r.top, 1, r.height()), first);
            dc.fillRect(ui::rectAt(r.right - 1, r.top, 1, r.height()), second);
            break;
        case TBevelShape::bsSpacer:
            break;
    }
}

bool TBevel::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                         std::string& error) {
    if (key == "Shape") {
        return layout::applyEnum<TBevelShape>(value, error,
                                              {{"bsBox", TBevelShape::bsBox},
                                               {"bsFrame", TBevelShape::bsFrame},
                                               {"bsTopLine", TBevelShape::bsTopLine},
                                               {"bsBottomLine", TBevelShape::bsBottomLine},
                                               {"bsLeftLine", TBevelShape::bsLeftLine},
                                               {"bsRightLine", TBevelShape::bsRightLine},
                                               {"bsSpacer", TBevelShape::bsSpacer}},
                                              [&](TBevelShape v) { SetShape(v); });
    }
    if (key == "Style") {
        return layout::applyEnum<TBevelStyle>(value, error,
                                              {{"bsLowered", TBevelStyle::bsLowered}, {"bsRaised", TBevelStyle::bsRaised}},
                                              [&](TBevelStyle v) { SetStyle(v); });
    }
    return TControl::SetProperty(key, value, folder, error);
}

}  // namespace forms
