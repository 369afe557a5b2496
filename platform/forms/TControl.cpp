#include "platform/forms/TControl.h"

#include "platform/forms/LayoutValue.h"
#include "platform/forms/TForm.h"
#include "platform/forms/LayoutProperties.h"

namespace forms {

TControl::TControl(TForm& owner, Windowed windowed) : TComponent(owner), windowed_(windowed) {}

void TControl::SetBounds(int left, int top, int width, int height) {
    const ui::Rect next = ui::rectAt(left, top, std::max(0, width), std::max(0, height));
    if (next == bounds_) {
        return;
    }
    Invalidate();
    bounds_ = next;
    Invalidate();
}

ui::Rect TControl::FormRect() const {
    ui::Rect rect = bounds_;
    for (const TControl* p = parent_; p != nullptr; p = p->parent_) {
        rect = rect.offset(p->bounds_.left, p->bounds_.top);
    }
    return rect;
}

ui::Point TControl::FormToControl(ui::Point formPoint) const {
    const ui::Rect rect = FormRect();
    return {formPoint.x - rect.left, formPoint.y - rect.top};
}

void TControl::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        Invalidate();
        if (!visible) {
            Owner().ControlHidden(*this);
        }
    }
}

bool TControl::Showing() const {
    for (const TControl* c = this; c != nullptr; c = c->parent_) {
        if (!c->visible_) {
            return false;
        }
    }
    return true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        Invalidate();
    }
}

void TControl::SetCaption(const std::string& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        AdjustSize();
        Invalidate();
    }
}

void TControl::SetFont(const TFont& font) {
    if (!(font_ == font)) {
        font_ = font;
        AdjustSize();
        Invalidate();
    }
}

void TControl::SetColor(TColor color) {
    if (color_ != color) {
        color_ = color;
        Invalidate();
    }
}

void TControl::SetParent(TControl* parent) {
    if (parent != nullptr && !parent->AcceptsChildren()) {
        return;
    }
    Invalidate();
    parent_ = parent;
    Invalidate();
}

void TControl::Invalidate() {
    Owner().InvalidateFormRect(FormRect());
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) {
        OnMouseDown(this, button, shift, x, y);
    }
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) {
        OnMouseMove(this, shift, x, y);
    }
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) {
        OnMouseUp(this, button, shift, x, y);
    }
}

void TControl::Click() {
    if (OnClick) {
        OnClick(this);
    }
}

void TControl::DblClick() {
    if (OnDblClick) {
        OnDblClick(this);
    }
}

bool TControl::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                           std::string& error) {
    if (key == "Left" || key == "Top" || key == "Width" || key == "Height") {
        int v = 0;
        if (!layout::toInt(value, v, error)) {
            return false;
        }
        const ui::Rect r = bounds_;
        SetBounds(key == "Left" ? v : r.left, key == "Top" ? v : r.top, key == "Width" ? v : r.width(),
                  key == "Height" ? v : r.height());
        return true;
    }
    if (key == "Bounds") {
        const auto v = value.integers();
        if (!v || v->size() != 4) {
            error = "Bounds wants four integers: left top width height";
            return false;
        }
        SetBounds(static_cast<int>((*v)[0]), static_cast<int>((*v)[1]), static_cast<int>((*v)[2]),
                  static_cast<int>((*v)[3]));
        return true;
    }
    if (key == "Visible") {
        return layout::apply(value, error, [&](bool v) { SetVisible(v); });
    }
    if (key == "Enabled") {
        return layout::apply(value, error, [&](bool v) { SetEnabled(v); });
    }
    if (key == "Caption") {
        return layout::applyText(value, error, [&](const std::string& v) { SetCaption(v); });
    }
    if (key == "Color") {
        return layout::applyColor(value, error, [&](TColor v) { SetColor(v); });
    }
    if (key.starts_with("Font.")) {
        TFont font = font_;
        if (!layout::setFontProperty(font, key.substr(5), value, error)) {
            return false;
        }
        SetFont(font);
        return true;
    }
    return TComponent::SetProperty(key, value, folder, error);
}

void TControl::DescribeState(std::ostream& out) const {
    const ui::Rect r = FormRect();
    out << " at=" << r.left << ',' << r.top << " size=" << r.width() << 'x' << r.height()
        << " visible=" << (Showing() ? 1 : 0);
    if (!enabled_) {
        out << " enabled=0";
    }
    TComponent::DescribeState(out);
    if (HasCaption()) {
        out << " caption=";
        writeQuoted(out, caption_);
    }
}

ui::Font layerFont(const TFont& font) {
    ui::FontSpec spec;
    spec.height = font.Height();
    spec.weight = (font.Style & fsBold) != 0 ? ui::FW_BOLD : ui::FW_NORMAL;
    spec.face = font.Name;
    spec.italic = (font.Style & fsItalic) != 0;
    spec.underline = (font.Style & fsUnderline) != 0;
    return ui::Font(spec);
}

int TFont::Height() const {
    return -((Size * ui::logicalPixelsPerInch() + 36) / 72);
}

void writeQuoted(std::ostream& out, const std::string& text) {
    out << '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out << '\\';
        }
        out << c;
    }
    out << '"';
}

void drawEdge(ui::DeviceContext& dc, const ui::Rect& rect, Edge edge) {
    if (rect.isEmpty()) {
        return;
    }
    const TColor light = edge == Edge::raised ? clBtnHighlight : clBtnShadow;
    const TColor dark = edge == Edge::raised ? clBtnShadow : clBtnHighlight;
    dc.fillRect(ui::rectAt(rect.left, rect.top, rect.width(), 1), light);
    dc.fillRect(ui::rectAt(rect.left, rect.top, 1, rect.height()), light);
    dc.fillRect(ui::rectAt(rect.left, rect.bottom - 1, rect.width(), 1), dark);
    dc.fillRect(ui::rectAt(rect.right - 1, rect.top, 1, rect.height()), dark);
}

}  // namespace forms
