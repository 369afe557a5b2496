#include "platform/forms/TLabel.h"

#include "platform/forms/LayoutProperties.h"

namespace forms {

namespace {

// The caption as it is measured: "&x" counts as "x" and "&&" as "&".
std::string shownText(const std::string& caption, bool accelerators) {
    if (!accelerators) {
        return caption;
    }
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption[i];
    }
    return shown;
}

}  // namespace

TLabel::TLabel(TForm& owner) : TControl(owner, Windowed::no) {
    SetBounds(0, 0, 65, 17);
    AdjustSize();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout layout) {
    layout_ = layout;
    Invalidate();
}

void TLabel::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    AdjustSize();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool show) {
    showAccelChar_ = show;
    AdjustSize();
    Invalidate();
}

void TLabel::AdjustSize() {
    if (!autoSize_ || wordWrap_) {
        return;
    }
    const ui::Font font = layerFont(Font());
    const std::string text = shownText(Caption(), showAccelChar_);
    const ui::Size extent = font.textExtent(text.empty() ? " " : text);
    SetBounds(Left(), Top(), text.empty() ? 0 : extent.width, extent.height);
}

unsigned TLabel::TextFormat() const {
    unsigned format = wordWrap_ ? ui::DT_WORDBREAK : ui::DT_SINGLELINE;
    if (!showAccelChar_) {
        format |= ui::DT_NOPREFIX;
    }
    if (alignment_ == TAlignment::taCenter) {
        format |= ui::DT_CENTER;
    } else if (alignment_ == TAlignment::taRightJustify) {
        format |= ui::DT_RIGHT;
    }
    if (!wordWrap_ && layout_ == TTextLayout::tlCenter) {
        format |= ui::DT_VCENTER;
    } else if (!wordWrap_ && layout_ == TTextLayout::tlBottom) {
        format |= ui::DT_BOTTOM;
    }
    return format;
}

void TLabel::Paint(ui::DeviceContext& dc, const ui::Rect& rect) {
    if (!transparent_) {
        dc.fillRect(rect, Color());
    }
    dc.setFont(layerFont(Font()));
    dc.setTextColor(Enabled() ? Font().Color : clGrayText);
    dc.setBkMode(ui::BkMode::transparent);
    dc.drawText(Caption(), rect, TextFormat());
}

bool TLabel::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                         std::string& error) {
    if (key == "AutoSize") {
        return layout::apply(value, error, [&](bool v) { SetAutoSize(v); });
    }
    if (key == "Transparent") {
        return layout::apply(value, error, [&](bool v) { SetTransparent(v); });
    }
    if (key == "WordWrap") {
        return layout::apply(value, error, [&](bool v) { SetWordWrap(v); });
    }
    if (key == "ShowAccelChar") {
        return layout::apply(value, error, [&](bool v) { SetShowAccelChar(v); });
    }
    if (key == "Alignment") {
        return layout::applyEnum<TAlignment>(value, error,
                                             {{"taLeftJustify", TAlignment::taLeftJustify},
                                              {"taRightJustify", TAlignment::taRightJustify},
                                              {"taCenter", TAlignment::taCenter}},
                                             [&](TAlignment v) { SetAlignment(v); });
    }
    if (key == "Layout") {
        return layout::applyEnum<TTextLayout>(
            value, error,
            {{"tlTop", TTextLayout::tlTop}, {"tlCenter", TTextLayout::tlCenter}, {"tlBottom", TTextLayout::tlBottom}},
            [&](TTextLayout v) { SetLayout(v); });
    }
    return TControl::SetProperty(key, value, folder, error);
}

}  // namespace forms
