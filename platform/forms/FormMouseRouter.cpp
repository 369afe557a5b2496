#include "platform/forms/FormMouseRouter.h"

#include "platform/forms/TForm.h"
#include "platform/ui/Messaging.h"

namespace forms {

namespace {

TShiftState shiftOf(ui::WPARAM keys) {
    TShiftState shift = 0;
    shift |= (keys & ui::MK_LBUTTON) != 0 ? ssLeft : 0;
    shift |= (keys & ui::MK_RBUTTON) != 0 ? ssRight : 0;
    shift |= (keys & ui::MK_SHIFT) != 0 ? ssShift : 0;
    shift |= (keys & ui::MK_CONTROL) != 0 ? ssCtrl : 0;
    return shift;
}

bool isButtonDown(ui::UINT message) {
    return message == ui::WM_LBUTTONDOWN || message == ui::WM_RBUTTONDOWN || message == ui::WM_LBUTTONDBLCLK ||
           message == ui::WM_RBUTTONDBLCLK;
}

TMouseButton buttonOf(ui::UINT message) {
    return message == ui::WM_RBUTTONDOWN || message == ui::WM_RBUTTONUP || message == ui::WM_RBUTTONDBLCLK
               ? TMouseButton::mbRight
               : TMouseButton::mbLeft;
}

bool isDoubleClick(ui::UINT message) {
    return message == ui::WM_LBUTTONDBLCLK || message == ui::WM_RBUTTONDBLCLK;
}

}  // namespace

FormMouseRouter::FormMouseRouter(TForm& form) : form_(form) {}

void FormMouseRouter::ControlHidden(const TControl& control) {
    if (pressed_ == &control) {
        pressed_ = nullptr;
        ui::releaseCapture();
    }
}

void FormMouseRouter::Route(ui::UINT message, ui::WPARAM wParam, ui::Point client) {
    TControl* target = pressed_ != nullptr ? pressed_ : form_.ControlAtPos(client);
    if (target == nullptr) {
        ToForm(message, wParam, client);
        return;
    }
    const ui::Point at = target->FormToControl(client);
    const TShiftState shift = shiftOf(wParam) | (isDoubleClick(message) ? ssDouble : 0);
    if (message == ui::WM_MOUSEMOVE) {
        target->MouseMove(shift, at.x, at.y);
        return;
    }
    const TMouseButton button = buttonOf(message);
    if (isButtonDown(message)) {
        if (pressed_ == nullptr) {
            pressed_ = target;
            pressedButton_ = button;
            form_.setCapture();
        }
        target->MouseDown(button, shift, at.x, at.y);
        if (isDoubleClick(message) && button == TMouseButton::mbLeft) {
            target->DblClick();
        }
        return;
    }
    const bool endsPress = pressed_ == target && button == pressedButton_;
    if (endsPress) {
        pressed_ = nullptr;
        ui::releaseCapture();
    }
    target->MouseUp(button, shift, at.x, at.y);
    // The up handler may have hidden it; a click needs the pointer still on the control.
    const ui::Rect own = ui::rectAt(0, 0, target->Width(), target->Height());
    if (endsPress && button == TMouseButton::mbLeft && own.contains(at) && target->Showing()) {
        target->Click();
    }
}

void FormMouseRouter::ToForm(ui::UINT message, ui::WPARAM wParam, ui::Point client) {
    const TShiftState shift = shiftOf(wParam) | (isDoubleClick(message) ? ssDouble : 0);
    if (message == ui::WM_MOUSEMOVE) {
        if (form_.OnMouseMove) {
            form_.OnMouseMove(&form_, shift, client.x, client.y);
        }
        return;
    }
    if (isButtonDown(message)) {
        if (form_.OnMouseDown) {
            form_.OnMouseDown(&form_, buttonOf(message), shift, client.x, client.y);
        }
        return;
    }
    if (form_.OnMouseUp) {
        form_.OnMouseUp(&form_, buttonOf(message), shift, client.x, client.y);
    }
    if (message == ui::WM_LBUTTONUP && form_.OnClick) {
        form_.OnClick(&form_);
    }
}

}  // namespace forms
