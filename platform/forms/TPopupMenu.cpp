#include "platform/forms/TPopupMenu.h"

#include "platform/forms/TForm.h"

namespace forms {

TPopupMenu::TPopupMenu(TForm& owner) : TComponent(owner), items_(owner) {}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) {
        OnPopup(this);
    }
    const int chosen = ui::trackPopupMenu(items_.BuildMenu(), {x, y}, &Owner(), ui::TPM_RETURNCMD);
    if (chosen == 0) {
        return;
    }
    if (TMenuItem* item = items_.FindByCommand(static_cast<ui::UINT>(chosen))) {
        item->Click();
    }
}

void TPopupMenu::DescribeState(std::ostream& out) const {
    out << " items=" << items_.Count();
    TComponent::DescribeState(out);
}

}  // namespace forms
