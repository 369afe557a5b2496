#include "platform/ui/EditControl.h"

#include <algorithm>

#include "platform/ui/Messaging.h"
#include "platform/ui/Window.h"
#include "platform/ui/detail/Dispatcher.h"
#include "platform/ui/detail/EditState.h"
#include "platform/ui/detail/WindowState.h"

namespace ui {

namespace {

void notifyChange(EditControl& edit) {
    if (Window* parent = edit.parent()) {
        SendMessage(parent, WM_COMMAND, makeWParam(edit.id(), EN_CHANGE), reinterpret_cast<LPARAM>(&edit));
    }
}

// Limits count characters, not bytes.
std::string limited(const std::string& text, int limit) {
    if (limit <= 0) {
        return text;
    }
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++characters > limit) {
            return text.substr(0, i);
        }
    }
    return text;
}

}  // namespace

namespace detail {

void editChangedByUser(EditControl& edit, const std::string& text) {
    if (edit.state().text == text) {
        return;
    }
    edit.state().text = text;
    notifyChange(edit);
}

void editFocusChanged(EditControl& edit, bool focused) {
    EditState& state = edit.state();
    if (focused && state.parent != nullptr) {
        for (EditControl* other : state.parent->state().edits) {
            other->state().focused = false;
        }
    }
    state.focused = focused;
}

}  // namespace detail

EditControl::EditControl() : state_(std::make_unique<detail::EditState>()) {}

EditControl::~EditControl() {
    destroy();
}

bool EditControl::create(Window& parent, int id, const Rect& rect) {
    detail::Dispatcher* dispatcher = detail::Dispatcher::current();
    if (dispatcher == nullptr || !parent.exists() || exists()) {
        return false;
    }
    state_->parent = &parent;
    state_->id = id;
    state_->rect = rect;
    state_->visible = true;
    parent.state().edits.push_back(this);
    state_->native = dispatcher->backend().createEdit(*this, parent);
    return true;
}

void EditControl::destroy() {
    if (!exists()) {
        return;
    }
    auto& edits = state_->parent->state().edits;
    edits.erase(std::remove(edits.begin(), edits.end(), this), edits.end());
    state_->native.reset();
    state_->parent = nullptr;
    state_->focused = false;
}

bool EditControl::exists() const {
    return state_->parent != nullptr;
}

void EditControl::setText(const std::string& text) {
    const std::string shown = limited(text, state_->limit);
    if (state_->native) {
        state_->native->setText(shown);
    }
    state_->text = shown;
    notifyChange(*this);
}

std::string EditControl::text() const {
    return state_->text;
}

void EditControl::setLimitText(int characters) {
    state_->limit = std::max(0, characters);
    if (state_->native) {
        state_->native->setLimit(state_->limit);
    }
}

void EditControl::setRect(const Rect& rect) {
    state_->rect = rect;
    if (state_->native) {
        state_->native->setGeometry(rect);
    }
}

Rect EditControl::rect() const {
    return state_->rect;
}

void EditControl::show(bool visible) {
    state_->visible = visible;
    if (!visible) {
        state_->focused = false;
    }
    if (state_->native) {
        state_->native->setVisible(visible);
    }
}

bool EditControl::isVisible() const {
    return exists() && state_->visible;
}

void EditControl::setFocus() {
    if (!exists()) {
        return;
    }
    detail::editFocusChanged(*this, true);
    state_->native->setFocus();
}

bool EditControl::hasFocus() const {
    return exists() && state_->focused;
}

void EditControl::setColors(COLORREF text, COLORREF background) {
    state_->textColor = text;
    state_->background = background;
    if (state_->native) {
        state_->native->setColors(text, background);
    }
}

void EditControl::setFont(const Font& font) {
    state_->font = font;
    if (state_->native) {
        state_->native->setFont(font);
    }
}

int EditControl::id() const {
    return state_->id;
}
Window* EditControl::parent() const {
    return state_->parent;
}

}  // namespace ui
