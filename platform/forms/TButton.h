#pragma once

#include "platform/forms/TControl.h"

namespace forms {

// A push button: raised, drawn pressed while the left button is held on it.
class TButton : public TControl {
public:
    explicit TButton(TForm& owner);

    std::string_view KindName() const override { return "TButton"; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    void Paint(ui::DeviceContext& dc, const ui::Rect& rect) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Click() override;
    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;

private:
    bool pressed_ = false;
    int modalResult_ = 0;
};

}  // namespace forms
