#include "platform/forms/TLabel.h"

#include "platform/forms/LayoutProperties.h"

namespace forms {

namespace {

// The caption as it is measured: "&x" counts as "x" and "&&" as "&". `accel`
// gets the byte offset of the first marked character in the shown text.
std::string shownText(const std::string& caption, bool accelerators, std::size_t* accel = nullptr) {
    if (!accelerators) {
        return caption;
    }
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&' && accel != nullptr && *accel == std::string::npos) {
                *accel = shown.size();
            }
        }
        shown += caption[i];
    }
    return shown;
}

// The length in bytes of the UTF-8 character starting at `text[at]`.
std::size_t characterLength(const std::string& text, std::size_t at) {
    std::size_t length = 1;
    while (at + length < text.size() && (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
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
    if (showAccelChar_ && !wordWrap_) {
        UnderlineAccelerator(dc, rect);
    }
}

void TLabel::UnderlineAccelerator(ui::DeviceContext& dc, const ui::Rect& rect) const {
    std::size_t accel = std::string::npos;
    const std::string shown = shownText(Caption(), true, &accel);
    if (accel == std::string::npos) {
        return;
    }
    const ui::Font font = layerFont(Font());
    const int width = font.textExtent(shown).width;
    int left = rect.left;
    if (alignment_ == TAlignment::taCenter) {
        left += (rect.width() - width) / 2;
    } else if (alignment_ == TAlignment::taRightJustify) {
        left = rect.right - width;
    }
    int top = rect.top;
    if (layout_ == TTextLayout::tlCenter) {
        top += (rect.height() - font.lineHeight()) / 2;
    } else if (layout_ == TTextLayout::tlBottom) {
        top = rect.bottom - font.lineHeight();
    }
    const int before = font.textExtent(shown.substr(0, accel)).width;
    const int letter = font.textExtent(shown.substr(accel, characterLength(shown, accel))).width;
    dc.fillRect(ui::rectAt(left + before, top + font.ascent() + 1, letter, 1),
                Enabled() ? Font().Color : clGrayText);
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
