#pragma once

#include <functional>

#include "platform/forms/TComponent.h"
#include "platform/ui/DeviceContext.h"

namespace forms {

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

enum class Windowed { no, yes };

// A component with a place on its form. Controls are drawn by their form in
// creation order: first those without a window of their own (images, labels,
// shapes, bevels), then the windowed ones (check boxes, buttons, track bars...)
// above them. Positions are relative to the parent: the form, or a group box.
class TControl : public TComponent {
public:
    TControl(TForm& owner, Windowed windowed);

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width(); }
    int Height() const { return bounds_.height(); }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    void SetBounds(int left, int top, int width, int height);
    ui::Rect BoundsRect() const { return bounds_; }
    // The control's rectangle in the form's client coordinates.
    ui::Rect FormRect() const;
    ui::Point FormToControl(ui::Point formPoint) const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Shown itself and inside shown parents.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // A group box, or null for the form itself.
    TControl* Parent() const { return parent_; }
    void SetParent(TControl* parent);
    virtual bool AcceptsChildren() const { return false; }
    bool IsWindowed() const { return windowed_ == Windowed::yes; }

    void Invalidate();

    // Draws the control at `rect` (its place on the window's surface).
    virtual void Paint(ui::DeviceContext& dc, const ui::Rect& rect) = 0;

    // Input from the form, in the control's client coordinates. The base
    // versions raise the events; controls with a behaviour of their own (a
    // check box toggles, a track bar follows the pointer) add to them.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Click();
    virtual void DblClick();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;

protected:
    // Sizes the control to its content when it sizes itself (labels, images).
    virtual void AdjustSize() {}
    // For captions: whether to write it in the state dump.
    virtual bool HasCaption() const { return true; }

private:
    Windowed windowed_;
    ui::Rect bounds_{0, 0, 0, 0};
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    TFont font_;
    TColor color_ = clBtnFace;
    TControl* parent_ = nullptr;
};

// Font and text-drawing helpers the controls share.
ui::Font layerFont(const TFont& font);
// Writes `text` quoted, with quotes and backslashes escaped, as the dump does.
void writeQuoted(std::ostream& out, const std::string& text);
// Fills with a light top-left and a dark bottom-right edge (raised) or the reverse.
enum class Edge { raised, sunken };
void drawEdge(ui::DeviceContext& dc, const ui::Rect& rect, Edge edge);

}  // namespace forms
