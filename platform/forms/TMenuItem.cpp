#include "platform/forms/TMenuItem.h"

#include <atomic>

#include "platform/forms/LayoutProperties.h"
#include "platform/forms/TForm.h"

namespace forms {

namespace {

ui::UINT nextCommand() {
    static std::atomic<ui::UINT> next{0x9000};
    return next++;
}

}  // namespace

TMenuItem::TMenuItem(TForm& owner) : TComponent(owner), command_(nextCommand()) {}

TMenuItem::~TMenuItem() {
    Owner().UnregisterName(*this);
}

std::string TMenuItem::DisplayCaption() const {
    std::string shown;
    for (std::size_t i = 0; i < caption_.size(); ++i) {
        if (caption_[i] == '&' && i + 1 < caption_.size()) {
            ++i;
        } else if (caption_[i] == '&') {
            continue;
        }
        shown += caption_[i];
    }
    return shown;
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (!checked || !radioItem_ || parent_ == nullptr) {
        return;
    }
    for (const auto& sibling : parent_->items_) {
        if (sibling.get() != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) {
            sibling->checked_ = false;
        }
    }
}

TMenuItem& TMenuItem::Add(const std::string& name) {
    auto item = std::make_unique<TMenuItem>(Owner());
    item->SetName(name);
    item->parent_ = this;
    Owner().RegisterName(*item);
    items_.push_back(std::move(item));
    return *items_.back();
}

void TMenuItem::Delete(int index) {
    if (index >= 0 && index < Count()) {
        items_.erase(items_.begin() + index);
    }
}

void TMenuItem::Clear() {
    items_.clear();
}

int TMenuItem::IndexOf(const TMenuItem& item) const {
    for (int i = 0; i < Count(); ++i) {
        if (items_[static_cast<std::size_t>(i)].get() == &item) {
            return i;
        }
    }
    return -1;
}

void TMenuItem::Click() {
    if (!enabled_) {
        return;
    }
    if (autoCheck_) {
        SetChecked(radioItem_ ? true : !checked_);
    }
    if (OnClick) {
        OnClick(this);
    }
}

TMenuItem* TMenuItem::FindByCommand(ui::UINT command) {
    if (command_ == command) {
        return this;
    }
    for (const auto& item : items_) {
        if (TMenuItem* found = item->FindByCommand(command)) {
            return found;
        }
    }
    return nullptr;
}

TMenuItem* TMenuItem::FindByDisplayCaption(const std::string& caption) {
    if (!IsLine() && DisplayCaption() == caption) {
        return this;
    }
    for (const auto& item : items_) {
        if (TMenuItem* found = item->visible_ ? item->FindByDisplayCaption(caption) : nullptr) {
            return found;
        }
    }
    return nullptr;
}

ui::PopupMenu TMenuItem::BuildMenu() const {
    ui::PopupMenu menu;
    for (const auto& item : items_) {
        if (!item->visible_) {
            continue;
        }
        if (item->IsLine()) {
            menu.appendSeparator();
            continue;
        }
        const ui::MenuItemState state = item->enabled_ ? ui::MenuItemState::enabled : ui::MenuItemState::disabled;
        if (item->Count() > 0) {
            menu.appendSubmenu(item->caption_, item->BuildMenu(), state);
            continue;
        }
        menu.append(item->command_, item->caption_, state);
        if (item->checked_) {
            menu.check(item->radioItem_ ? ui::MenuItemCheck::radio : ui::MenuItemCheck::checked);
        }
    }
    return menu;
}

bool TMenuItem::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                            std::string& error) {
    if (key == "Caption") {
        return layout::applyText(value, error, [&](const std::string& v) { SetCaption(v); });
    }
    if (key == "Checked") {
        return layout::apply(value, error, [&](bool v) { SetChecked(v); });
    }
    if (key == "RadioItem") {
        return layout::apply(value, error, [&](bool v) { SetRadioItem(v); });
    }
    if (key == "AutoCheck") {
        return layout::apply(value, error, [&](bool v) { SetAutoCheck(v); });
    }
    if (key == "Enabled") {
        return layout::apply(value, error, [&](bool v) { SetEnabled(v); });
    }
    if (key == "Visible") {
        return layout::apply(value, error, [&](bool v) { SetVisible(v); });
    }
    if (key == "GroupIndex") {
        return layout::applyInt(value, error, [&](int v) { SetGroupIndex(v); });
    }
    return TComponent::SetProperty(key, value, folder, error);
}

void TMenuItem::DescribeState(std::ostream& out) const {
    out << " caption=";
    writeQuoted(out, caption_);
    out << " checked=" << (checked_ ? 1 : 0) << " visible=" << (visible_ ? 1 : 0);
    if (!enabled_) {
        out << " enabled=0";
    }
    if (Count() > 0) {
        out << " items=" << Count();
    }
    TComponent::DescribeState(out);
}

}  // namespace forms
