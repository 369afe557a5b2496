#pragma once

#include "platform/forms/TControl.h"

namespace forms {

enum class TTrackBarOrientation { trHorizontal, trVertical };

// A thumb on a channel between Min and Max. Position is kept inside the range;
// OnChange follows every change, from the mouse or from code. A press on the
// channel moves the thumb there, and dragging moves it along.
class TTrackBar : public TControl {
public:
    explicit TTrackBar(TForm& owner);

    std::string_view KindName() const override { return "TTrackBar"; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    void SetMin(int min) { SetRange(min, max_); }
    void SetMax(int max) { SetRange(min_, max); }
    int Position() const { return position_; }
    void SetPosition(int position);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation orientation);
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);

    TNotifyEvent OnChange;

    // Where the thumb's centre is for a position, in control coordinates along the channel.
    int ThumbCentre(int position) const;

    void Paint(ui::DeviceContext& dc, const ui::Rect& rect) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;

protected:
    bool HasCaption() const override { return false; }

private:
    int Length() const;
    int PositionAt(int x, int y) const;

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
    bool dragging_ = false;
};

}  // namespace forms
