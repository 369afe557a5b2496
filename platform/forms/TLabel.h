#pragma once

#include "platform/forms/TControl.h"

namespace forms {

// A caption in a font. AutoSize (on by default) fits the control to the text;
// Transparent leaves the background unpainted, so what lies below shows
// through; with ShowAccelChar one "&" underlines the next character and "&&"
// shows a single "&".
class TLabel : public TControl {
public:
    explicit TLabel(TForm& owner);

    std::string_view KindName() const override { return "TLabel"; }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);

    void Paint(ui::DeviceContext& dc, const ui::Rect& rect) override;
    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;

protected:
    void AdjustSize() override;

private:
    unsigned TextFormat() const;

    bool autoSize_ = true;
    bool transparent_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
};

}  // namespace forms
