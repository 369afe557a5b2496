#include "platform/forms/TGroupBox.h"

namespace forms {

TGroupBox::TGroupBox(TForm& owner) : TControl(owner, Windowed::yes) {
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::Paint(ui::DeviceContext& dc, const ui::Rect& rect) {
    dc.fillRect(rect, Color());
    const ui::Font font = layerFont(Font());
    const int textHeight = font.lineHeight();
    const ui::Rect frame{rect.left, rect.top + textHeight / 2, rect.right, rect.bottom};
    dc.frameRect(frame, clBtnShadow);
    dc.frameRect({frame.left + 1, frame.top + 1, frame.right + 1, frame.bottom + 1}, clBtnHighlight);
    if (Caption().empty()) {
        return;
    }
    dc.setFont(font);
    const ui::Size extent = dc.textExtent(Caption());
    const ui::Rect label = ui::rectAt(rect.left + 8, rect.top, extent.width + 4, textHeight);
    dc.fillRect(label, Color());
    dc.setTextColor(Enabled() ? Font().Color : clGrayText);
    dc.setBkMode(ui::BkMode::transparent);
    dc.drawText(Caption(), label.offset(2, 0), ui::DT_SINGLELINE);
}

}  // namespace forms
