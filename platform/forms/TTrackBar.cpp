#include "platform/forms/TTrackBar.h"

#include <algorithm>

#include "platform/forms/LayoutProperties.h"

namespace forms {

namespace {

constexpr int kMargin = 12;     // from the control's end to the first position
constexpr int kThumbHalf = 5;   // the thumb is 11 pixels across
constexpr int kThumbDepth = 20;

}  // namespace

TTrackBar::TTrackBar(TForm& owner) : TControl(owner, Windowed::yes) {
    SetBounds(0, 0, 150, 45);
}

void TTrackBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    SetPosition(position_);
    Invalidate();
}

void TTrackBar::SetPosition(int position) {
    const int clamped = std::clamp(position, min_, max_);
    if (clamped != position_) {
        position_ = clamped;
        Invalidate();
        if (OnChange) {
            OnChange(this);
        }
    }
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
    orientation_ = orientation;
    Invalidate();
}

void TTrackBar::SetFrequency(int frequency) {
    frequency_ = std::max(0, frequency);
    Invalidate();
}

int TTrackBar::Length() const {
    const int extent = orientation_ == TTrackBarOrientation::trHorizontal ? Width() : Height();
    return std::max(1, extent - 2 * kMargin);
}

int TTrackBar::ThumbCentre(int position) const {
    const int range = max_ - min_;
    return kMargin + (range == 0 ? 0 : (position - min_) * Length() / range);
}

int TTrackBar::PositionAt(int x, int y) const {
    const int along = orientation_ == TTrackBarOrientation::trHorizontal ? x : y;
    const int range = max_ - min_;
    const int offset = std::clamp(along - kMargin, 0, Length());
    // Rounded to the nearest position, so the thumb lands where it was let go.
    return min_ + (offset * range + Length() / 2) / Length();
}

void TTrackBar::Paint(ui::DeviceContext& dc, const ui::Rect& rect) {
    dc.fillRect(rect, Color());
    const bool horizontal = orientation_ == TTrackBarOrientation::trHorizontal;
    const int across = 8 + kThumbDepth / 2;
    const ui::Rect channel = horizontal
                                 ? ui::rectAt(rect.left + kMargin - 2, rect.top + across - 2, Length() + 4, 4)
                                 : ui::rectAt(rect.left + across - 2, rect.top + kMargin - 2, 4, Length() + 4);
    drawEdge(dc, channel, Edge::sunken);
    if (frequency_ > 0) {
        for (int p = min_; p <= max_; p += frequency_) {
            const int c = ThumbCentre(p);
            const ui::Rect tick = horizontal ? ui::rectAt(rect.left + c, rect.top + 8 + kThumbDepth + 3, 1, 4)
                                             : ui::rectAt(rect.left + 8 + kThumbDepth + 3, rect.top + c, 4, 1);
            dc.fillRect(tick, clWindowText);
        }
    }
    const int c = ThumbCentre(position_);
    const ui::Rect thumb = horizontal ? ui::rectAt(rect.left + c - kThumbHalf, rect.top + 8, 2 * kThumbHalf + 1, kThumbDepth)
                                      : ui::rectAt(rect.left + 8, rect.top + c - kThumbHalf, kThumbDepth, 2 * kThumbHalf + 1);
    dc.fillRect(thumb, Enabled() ? 0xE8E8E8 : clBtnFace);
    dc.frameRect(thumb, dragging_ ? clHighlight : clGray);
    drawEdge(dc, {thumb.left + 1, thumb.top + 1, thumb.right - 1, thumb.bottom - 1}, Edge::raised);
}

void TTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft) {
        dragging_ = true;
        SetPosition(PositionAt(x, y));
        Invalidate();
    }
}

void TTrackBar::MouseMove(TShiftState shift, int x, int y) {
    TControl::MouseMove(shift, x, y);
    if (dragging_) {
        SetPosition(PositionAt(x, y));
    }
}

void TTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && dragging_) {
        dragging_ = false;
        Invalidate();
    }
    TControl::MouseUp(button, shift, x, y);
}

bool TTrackBar::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                            std::string& error) {
    if (key == "Min") {
        return layout::applyInt(value, error, [&](int v) { SetMin(v); });
    }
    if (key == "Max") {
        return layout::applyInt(value, error, [&](int v) { SetMax(v); });
    }
    if (key == "Position") {
        return layout::applyInt(value, error, [&](int v) { SetPosition(v); });
    }
    if (key == "Frequency") {
        return layout::applyInt(value, error, [&](int v) { SetFrequency(v); });
    }
    if (key == "Orientation") {
        return layout::applyEnum<TTrackBarOrientation>(
            value, error,
            {{"trHorizontal", TTrackBarOrientation::trHorizontal}, {"trVertical", TTrackBarOrientation::trVertical}},
            [&](TTrackBarOrientation v) { SetOrientation(v); });
    }
    return TControl::SetProperty(key, value, folder, error);
}

void TTrackBar::DescribeState(std::ostream& out) const {
    TControl::DescribeState(out);
    out << " position=" << position_ << " range=" << min_ << ".." << max_;
}

}  // namespace forms
