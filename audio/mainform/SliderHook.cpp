#include "audio/mainform/SliderHook.h"

#include <algorithm>

#include "audio/mainform/EqualizerMath.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/ui/Messages.h"

SliderHook::~SliderHook() {
    if (m_bInstalled) {
        forms::Application->OnMessage = nullptr;
    }
}

void SliderHook::Install() {
    forms::Application->OnMessage = [this](forms::TMsg& msg, bool& handled) { OnMessage(msg, handled); };
    m_bInstalled = true;
}

void SliderHook::OnMessage(forms::TMsg& msg, bool&) {
    if (blocked && blocked()) {
        return;
    }
    switch (msg.message) {
        case ui::WM_LBUTTONDOWN:
        case ui::WM_LBUTTONDBLCLK:  // a quick second press is a press too
            Press(msg);
            break;
        case ui::WM_MOUSEMOVE:
            Follow(msg);
            break;
        case ui::WM_LBUTTONUP:
            m_pDragged = nullptr;
            break;
        default:
            break;
    }
}

void SliderHook::Press(forms::TMsg& msg) {
    forms::TControl* under = forms::Application->FindControlAt(msg.pt);
    if (under == nullptr) {
        return;
    }
    for (const HookedSlider& slider : m_sliders) {
        if (under == slider.m_pKnob) {
            if (!deviceActive()) {
                if (showWarning) {
                    showWarning();
                }
                return;
            }
            m_pDragged = &slider;
            m_iStartY = msg.pt.y;
            m_iStartTop = slider.m_pKnob->Top();
            return;
        }
        if (std::find(slider.m_bars.begin(), slider.m_bars.end(), under) != slider.m_bars.end()) {
            if (deviceActive()) {
                MoveTo(slider, ClientY(msg) - slider.m_pKnob->Height() / 2);
            }
            return;
        }
    }
}

void SliderHook::Follow(const forms::TMsg& msg) {
    if (m_pDragged != nullptr) {
        MoveTo(*m_pDragged, m_iStartTop + msg.pt.y - m_iStartY);
    }
}

void SliderHook::MoveTo(const HookedSlider& slider, int top) {
    top = eqmath::ClampTop(top, slider.m_travel());
    slider.m_pKnob->SetTop(top);
    slider.m_moved(top);
}

int SliderHook::ClientY(const forms::TMsg& msg) const {
    return m_form.screenToClient(msg.pt).y - m_form.ClientOrigin().y;
}
