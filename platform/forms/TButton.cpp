#include "platform/forms/TButton.h"

#include "platform/forms/LayoutProperties.h"
#include "platform/forms/TForm.h"

namespace forms {

TButton::TButton(TForm& owner) : TControl(owner, Windowed::yes) {
    SetBounds(0, 0, 75, 25);
}

void TButton::Paint(ui::DeviceContext& dc, const ui::Rect& rect) {
    dc.fillRect(rect, Color());
    dc.frameRect(rect, clGray);
    drawEdge(dc, {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1},
             pressed_ ? Edge::sunken : Edge::raised);
    dc.setFont(layerFont(Font()));
    dc.setTextColor(Enabled() ? Font().Color : clGrayText);
    dc.setBkMode(ui::BkMode::transparent);
    const ui::Rect text = pressed_ ? rect.offset(1, 1) : rect;
    dc.drawText(Caption(), text, ui::DT_SINGLELINE | ui::DT_CENTER | ui::DT_VCENTER);
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        pressed_ = true;
        Invalidate();
    }
    TControl::MouseDown(button, shift, x, y);
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (pressed_) {
        pressed_ = false;
        Invalidate();
    }
    TControl::MouseUp(button, shift, x, y);
}

void TButton::Click() {
    TControl::Click();
    if (modalResult_ != 0) {
        Owner().SetModalResult(modalResult_);
    }
}

bool TButton::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                          std::string& error) {
    if (key == "ModalResult") {
        return layout::applyInt(value, error, [&](int v) { SetModalResult(v); });
    }
    return TControl::SetProperty(key, value, folder, error);
}

}  // namespace forms
