#include "platform/forms/FormScenario.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TPopupMenu.h"
#include "platform/ui/headless/Driver.h"

namespace forms {

namespace {

std::vector<TForm*> formsTopFirst() {
    std::vector<TForm*> forms = Application->Forms();
    // Active forms lie above the others, topmost ones above all.
    std::stable_sort(forms.begin(), forms.end(), [](TForm* a, TForm* b) {
        return std::pair(a->isTopmost(), a->isActive()) > std::pair(b->isTopmost(), b->isActive());
    });
    return forms;
}

bool isShown(const TForm& form) {
    return form.isVisible() && !form.isMinimized();
}

void dumpMenuItem(std::ostream& out, const std::string& formName, const TMenuItem& item) {
    for (int i = 0; i < item.Count(); ++i) {
        const TMenuItem& child = item.Items(i);
        if (!child.Name().empty()) {
            out << "component " << formName << '.' << child.Name() << ' ' << child.KindName();
            child.DescribeState(out);
            out << '\n';
        }
        dumpMenuItem(out, formName, child);
    }
}

}  // namespace

std::optional<LocatedControl> locateControl(const std::string& name, std::string& error) {
    bool hidden = false;
    for (TForm* form : formsTopFirst()) {
        auto* control = form->Find<TControl>(name);
        if (control == nullptr) {
            continue;
        }
        if (!isShown(*form) || !control->Showing()) {
            hidden = true;
            continue;
        }
        const ui::Rect r = control->FormRect();
        const ui::Point origin = form->ClientOrigin();
        return LocatedControl{form, control, {origin.x + r.left + r.width() / 2, origin.y + r.top + r.height() / 2}};
    }
    error = hidden ? "\"" + name + "\" is not shown" : "no control is named \"" + name + "\"";
    return std::nullopt;
}

bool clickControl(ui::headless::Driver& driver, const std::string& name, std::string& error) {
    const std::optional<LocatedControl> target = locateControl(name, error);
    if (!target) {
        return false;
    }
    driver.click(*target->form, target->point);
    return true;
}

bool dragControl(ui::headless::Driver& driver, const std::string& name, ui::Point offset, std::string& error) {
    const std::optional<LocatedControl> target = locateControl(name, error);
    if (!target) {
        return false;
    }
    TForm& form = *target->form;
    const ui::Point start = target->point;
    driver.mouseMove(form, start);
    driver.mouseDown(form, start);
    const int steps = std::max({1, (std::abs(offset.x) + 3) / 4, (std::abs(offset.y) + 3) / 4});
    for (int i = 1; i <= steps; ++i) {
        driver.mouseMove(form, {start.x + offset.x * i / steps, start.y + offset.y * i / steps});
    }
    driver.mouseUp(form, {start.x + offset.x, start.y + offset.y});
    return true;
}

std::optional<ui::UINT> menuCommandFor(const std::string& caption) {
    for (TForm* form : formsTopFirst()) {
        for (const auto& component : form->Components()) {
            auto* menu = dynamic_cast<TPopupMenu*>(component.get());
            if (menu == nullptr) {
                continue;
            }
            if (TMenuItem* item = menu->Items().FindByDisplayCaption(caption); item != nullptr && item->Count() == 0) {
                return item->Command();
            }
        }
    }
    return std::nullopt;
}

std::string dumpForms() {
    std::ostringstream out;
    for (TForm* form : Application->Forms()) {
        form->DescribeState(out);
        out << '\n';
        if (!isShown(*form)) {
            continue;
        }
        for (const auto& component : form->Components()) {
            out << "component " << form->Name() << '.' << component->Name() << ' ' << component->KindName();
            component->DescribeState(out);
            out << '\n';
            if (const auto* menu = dynamic_cast<const TPopupMenu*>(component.get())) {
                dumpMenuItem(out, form->Name(), menu->Items());
            }
        }
    }
    return out.str();
}

}  // namespace forms
