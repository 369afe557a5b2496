#include "platform/forms/TApplication.h"

#include <algorithm>

#include "platform/forms/TCTrayIcon.h"
#include "platform/forms/TForm.h"
#include "platform/ui/Font.h"
#include "platform/ui/Messaging.h"

namespace forms {

namespace {

TApplication theApplication;
TScreen theScreen;

// FNV-1a: stable across processes and runs, unlike std::hash.
std::uint32_t nameHash(const std::string& name) {
    std::uint32_t hash = 2166136261u;
    for (const unsigned char c : name) {
        hash = (hash ^ c) * 16777619u;
    }
    return hash;
}

}  // namespace

TApplication* const Application = &theApplication;
TScreen* const Screen = &theScreen;

int TApplication::Run() {
    if (mainForm_ != nullptr) {
        mainForm_->Show();
    }
    return ui::runMessageLoop();
}

void TApplication::Terminate() {
    ui::postQuitMessage(0);
}

void TApplication::ProcessMessages() {
    ui::processMessages();
}

void TApplication::Minimize() {
    if (minimized_) {
        return;
    }
    minimized_ = true;
    hiddenByMinimize_.clear();
    const bool toTray = trayHide_ != nullptr && trayHide_->HideTaskbarButton();
    for (TForm* form : forms_) {
        if (!form->isVisible()) {
            continue;
        }
        hiddenByMinimize_.push_back(form);
        if (form == mainForm_ && !toTray) {
            form->show(ui::ShowCommand::minimize);
        } else {
            form->show(ui::ShowCommand::hide);
        }
    }
    if (OnMinimize) {
        OnMinimize();
    }
}

void TApplication::Restore() {
    if (!minimized_) {
        return;
    }
    minimized_ = false;
    for (TForm* form : forms_) {
        if (std::find(hiddenByMinimize_.begin(), hiddenByMinimize_.end(), form) != hiddenByMinimize_.end()) {
            form->show(ui::ShowCommand::restore);
        }
    }
    hiddenByMinimize_.clear();
    if (OnRestore) {
        OnRestore();
    }
}

bool TApplication::HookInput(TMsg& msg) {
    if (!OnMessage) {
        return false;
    }
    bool handled = false;
    const TMessageEvent hook = OnMessage;  // the hook may replace itself
    hook(msg, handled);
    return handled;
}

TControl* TApplication::FindControlAt(ui::Point screen) const {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
        TForm* form = *it;
        if (!form->isVisible() || form->isMinimized() || !form->windowRect().contains(screen)) {
            continue;
        }
        const ui::Point window = form->screenToClient(screen);
        const ui::Point origin = form->ClientOrigin();
        return form->ControlAtPos({window.x - origin.x, window.y - origin.y});
    }
    return nullptr;
}

ui::UINT TApplication::RegisterWindowMessage(const std::string& name) {
    for (const auto& [known, number] : registered_) {
        if (known == name) {
            return number;
        }
    }
    ui::UINT number = 0xC000 + nameHash(name) % 0x4000;
    // Another name of this program on the same number takes the next free one.
    while (std::any_of(registered_.begin(), registered_.end(), [&](const auto& e) { return e.second == number; })) {
        number = number == 0xFFFF ? 0xC000 : number + 1;
    }
    registered_.emplace_back(name, number);
    return number;
}

void TApplication::FormCreated(TForm& form) {
    forms_.push_back(&form);
}

void TApplication::FormDestroyed(TForm& form) {
    std::erase(forms_, &form);
    std::erase(hiddenByMinimize_, &form);
    if (mainForm_ == &form) {
        mainForm_ = nullptr;
    }
    if (forms_.empty()) {
        minimized_ = false;
        trayHide_ = nullptr;
    }
}

int TScreen::Width() const {
    return ui::screenRect().width();
}

int TScreen::Height() const {
    return ui::screenRect().height();
}

int TScreen::PixelsPerInch() const {
    return ui::logicalPixelsPerInch();
}

}  // namespace forms
