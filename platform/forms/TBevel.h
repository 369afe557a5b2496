#pragma once

#include "platform/forms/TControl.h"

namespace forms {

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

// A sunken or raised line or box, as separators and frames are drawn.
class TBevel : public TControl {
public:
    explicit TBevel(TForm& owner);

    std::string_view KindName() const override { return "TBevel"; }
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);

    void Paint(ui::DeviceContext& dc, const ui::Rect& rect) override;
    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;

protected:
    bool HasCaption() const override { return false; }

private:
    TBevelShape shape_ = TBevelShape::bsBox;
    TBevelStyle style_ = TBevelStyle::bsLowered;
};

}  // namespace forms
