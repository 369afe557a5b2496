#pragma once

#include "platform/forms/FormTypes.h"

namespace forms {

class TControl;
class TForm;

// Hands a form's mouse messages to its controls: the one under the pointer,
// or, while a button is held, the one it was pressed on (which then gets the
// click when the button comes up over it). Input over no control goes to the
// form's own events.
class FormMouseRouter {
public:
    explicit FormMouseRouter(TForm& form);

    // `client` is in the form's client coordinates.
    void Route(ui::UINT message, ui::WPARAM wParam, ui::Point client);
    bool Pressing() const { return pressed_ != nullptr; }
    // A hidden control lets go of the mouse.
    void ControlHidden(const TControl& control);

private:
    void ToForm(ui::UINT message, ui::WPARAM wParam, ui::Point client);

    TForm& form_;
    TControl* pressed_ = nullptr;
    TMouseButton pressedButton_ = TMouseButton::mbLeft;
};

}  // namespace forms
