#pragma once

#include "platform/forms/TMenuItem.h"

namespace forms {

// A menu shown at a screen point (the tray icon's menu among others). The
// chosen item's OnClick runs before Popup returns.
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TForm& owner);

    std::string_view KindName() const override { return "TPopupMenu"; }
    TMenuItem& Items() { return items_; }
    const TMenuItem& Items() const { return items_; }

    void Popup(int x, int y);
    TNotifyEvent OnPopup;

    void DescribeState(std::ostream& out) const override;

private:
    TMenuItem items_;
};

}  // namespace forms
