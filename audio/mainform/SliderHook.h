#pragma once

#include <functional>
#include <vector>

#include "audio/settings/SkinSettings.h"
#include "platform/forms/FormTypes.h"

namespace forms {
class TControl;
class TForm;
}  // namespace forms

// One slider the panel's mouse hook moves up and down within its travel.
struct HookedSlider {
    forms::TControl* m_pKnob = nullptr;
    // A press on one of these puts the knob's middle at the press.
    std::vector<forms::TControl*> m_bars;
    std::function<SliderTravel()> m_travel;
    // The knob's new top, already within the travel.
    std::function<void(int top)> m_moved;
};

// The panel's sliders are dragged through the application-wide hook on mouse
// messages, before any control sees them: a press on a knob starts a drag
// (only with the headset active, else the warning), a press on a bar moves
// the knob there, moves while dragging follow the pointer's vertical
// movement, and the release ends the drag. The messages go on to the
// controls as usual.
class SliderHook {
public:
    explicit SliderHook(forms::TForm& form) : m_form(form) {}
    ~SliderHook();
    SliderHook(const SliderHook&) = delete;
    SliderHook& operator=(const SliderHook&) = delete;

    void Add(HookedSlider slider) { m_sliders.push_back(std::move(slider)); }
    // Makes this the application's hook until it is destroyed.
    void Install();
    void OnMessage(forms::TMsg& msg, bool& handled);
    bool Dragging() const { return m_pDragged != nullptr; }

    std::function<bool()> deviceActive = [] { return false; };
    std::function<void()> showWarning;
    // While set and true every message passes untouched (a modal lighting form).
    std::function<bool()> blocked;

private:
    void Press(forms::TMsg& msg);
    void Follow(const forms::TMsg& msg);
    void MoveTo(const HookedSlider& slider, int top);
    int ClientY(const forms::TMsg& msg) const;

    forms::TForm& m_form;
    std::vector<HookedSlider> m_sliders;
    bool m_bInstalled = false;
    const HookedSlider* m_pDragged = nullptr;
    int m_iStartY = 0;    // the pointer at the press, screen coordinates
    int m_iStartTop = 0;  // the knob's top at the press
};
