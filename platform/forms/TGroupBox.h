#pragma once

#include "platform/forms/TControl.h"

namespace forms {

// A frame with a caption that holds other controls: their positions are relative
// to it, and radio buttons inside it form a group of their own.
class TGroupBox : public TControl {
public:
    explicit TGroupBox(TForm& owner);

    std::string_view KindName() const override { return "TGroupBox"; }
    bool AcceptsChildren() const override { return true; }
    void Paint(ui::DeviceContext& dc, const ui::Rect& rect) override;
};

}  // namespace forms
