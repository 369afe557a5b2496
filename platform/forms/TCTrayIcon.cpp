#include "platform/forms/TCTrayIcon.h"

#include <atomic>

#include "platform/forms/LayoutProperties.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TPopupMenu.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/TrayIcon.h"

namespace forms {

namespace {

ui::UINT nextIconId() {
    static std::atomic<ui::UINT> next{1};
    return next++;
}

}  // namespace

TCTrayIcon::TCTrayIcon(TForm& owner) : TComponent(owner), id_(nextIconId()) {
    owner.AddTrayIcon(*this);
}

TCTrayIcon::~TCTrayIcon() {
    if (shown_) {
        ui::removeTrayIcon(&Owner(), id_);
    }
    if (hide_) {
        Application->SetTrayHide(nullptr);
    }
    Owner().RemoveTrayIcon(*this);
}

void TCTrayIcon::SetVisible(bool visible) {
    visible_ = visible;
    Update();
}

void TCTrayIcon::SetHide(bool hide) {
    hide_ = hide;
    Application->SetTrayHide(hide ? this : nullptr);
}

void TCTrayIcon::SetIcons(TImageList* icons) {
    icons_ = icons;
    Update();
}

void TCTrayIcon::SetIconIndex(int index) {
    iconIndex_ = index;
    Update();
}

void TCTrayIcon::SetHint(const std::string& hint) {
    hint_ = hint;
    Update();
}

void TCTrayIcon::Update() {
    if (!visible_) {
        if (shown_) {
            ui::removeTrayIcon(&Owner(), id_);
            shown_ = false;
        }
        return;
    }
    ui::TrayIconData data;
    data.owner = &Owner();
    data.id = id_;
    data.callbackMessage = kCallbackMessage;
    data.tip = hint_;
    if (icons_ != nullptr) {
        data.picture = icons_->GetImage(iconIndex_);
    }
    shown_ = shown_ ? ui::modifyTrayIcon(data) || ui::addTrayIcon(data) : ui::addTrayIcon(data);
}

void TCTrayIcon::Minimize() {
    Application->Minimize();
    if (OnMinimize) {
        OnMinimize(this);
    }
}

void TCTrayIcon::Restore() {
    Application->Restore();
    if (TForm* main = Application->MainForm()) {
        main->Show();
    }
    if (OnRestore) {
        OnRestore(this);
    }
}

bool TCTrayIcon::Matches(TTrayMouseAction action, ui::UINT message) const {
    switch (action) {
        case TTrayMouseAction::imClick:
        case TTrayMouseAction::imLeftClickUp:
            return message == ui::WM_LBUTTONUP;
        case TTrayMouseAction::imDoubleClick:
        case TTrayMouseAction::imLeftDoubleClick:
            return message == ui::WM_LBUTTONDBLCLK;
        case TTrayMouseAction::imMouseDown:
            return message == ui::WM_LBUTTONDOWN || message == ui::WM_RBUTTONDOWN;
        case TTrayMouseAction::imMouseUp:
            return message == ui::WM_LBUTTONUP || message == ui::WM_RBUTTONUP;
        case TTrayMouseAction::imRightClickUp:
            return message == ui::WM_RBUTTONUP;
        case TTrayMouseAction::imRightDoubleClick:
            return message == ui::WM_RBUTTONDBLCLK;
        case TTrayMouseAction::imNone:
            break;
    }
    return false;
}

void TCTrayIcon::HandleMouse(ui::UINT message) {
    if (message == ui::WM_LBUTTONUP && OnClick) {
        OnClick(this);
    }
    if (message == ui::WM_LBUTTONDBLCLK && OnDblClick) {
        OnDblClick(this);
    }
    if (Matches(restoreOn_, message)) {
        Restore();
    }
    if (popupMenu_ != nullptr && Matches(popupMenuOn_, message)) {
        const ui::Point at = ui::cursorPos();
        popupMenu_->Popup(at.x, at.y);
    }
}

bool TCTrayIcon::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                             std::string& error) {
    static const std::initializer_list<std::pair<const char*, TTrayMouseAction>> actions = {
        {"imNone", TTrayMouseAction::imNone},
        {"imClick", TTrayMouseAction::imClick},
        {"imDoubleClick", TTrayMouseAction::imDoubleClick},
        {"imMouseDown", TTrayMouseAction::imMouseDown},
        {"imMouseUp", TTrayMouseAction::imMouseUp},
        {"imLeftClickUp", TTrayMouseAction::imLeftClickUp},
        {"imLeftDoubleClick", TTrayMouseAction::imLeftDoubleClick},
        {"imRightClickUp", TTrayMouseAction::imRightClickUp},
        {"imRightDoubleClick", TTrayMouseAction::imRightDoubleClick},
    };
    if (key == "Visible") {
        return layout::apply(value, error, [&](bool v) { visible_ = v; });
    }
    if (key == "Hide") {
        return layout::apply(value, error, [&](bool v) { SetHide(v); });
    }
    if (key == "RestoreOn") {
        return layout::applyEnum<TTrayMouseAction>(value, error, actions, [&](auto v) { restoreOn_ = v; });
    }
    if (key == "PopupMenuOn") {
        return layout::applyEnum<TTrayMouseAction>(value, error, actions, [&](auto v) { popupMenuOn_ = v; });
    }
    if (key == "Hint") {
        return layout::applyText(value, error, [&](const std::string& v) { hint_ = v; });
    }
    if (key == "IconIndex") {
        return layout::toInt(value, iconIndex_, error);
    }
    if (key == "PopupMenu") {
        return layout::applyText(value, error, [&](const std::string& v) { popupMenuName_ = v; });
    }
    if (key == "Icons") {
        return layout::applyText(value, error, [&](const std::string& v) { iconsName_ = v; });
    }
    return TComponent::SetProperty(key, value, folder, error);
}

bool TCTrayIcon::Loaded(std::string& error) {
    if (!popupMenuName_.empty() && (popupMenu_ = Owner().Find<TPopupMenu>(popupMenuName_)) == nullptr) {
        error = "no TPopupMenu named \"" + popupMenuName_ + "\"";
        return false;
    }
    if (!iconsName_.empty() && (icons_ = Owner().Find<TImageList>(iconsName_)) == nullptr) {
        error = "no TImageList named \"" + iconsName_ + "\"";
        return false;
    }
    Update();
    return true;
}

void TCTrayIcon::DescribeState(std::ostream& out) const {
    out << " id=" << id_ << " visible=" << (shown_ ? 1 : 0) << " hide=" << (hide_ ? 1 : 0) << " hint=";
    writeQuoted(out, hint_);
    TComponent::DescribeState(out);
}

}  // namespace forms
