#include "platform/ui/detail/TrayIconList.h"

#include <algorithm>
#include <utility>

#include "platform/ui/Messaging.h"
#include "platform/ui/Window.h"
#include "platform/ui/detail/BackendImpl.h"

namespace ui::detail {

namespace {

// A missing picture must not leave the program without an icon to click.
Image trayPicture(const TrayIconData& data) {
    Image picture = data.picture.isNull() ? Image::fromPngResource(data.iconResourceId) : data.picture;
    if (picture.isNull()) {
        picture = Image(16, 16, 0xFF3A6EA5u);
    }
    return picture;
}

}  // namespace

bool TrayIconList::add(const TrayIconData& data, BackendImpl& backend) {
    if (data.owner == nullptr || !data.owner->exists() || find(data.owner, data.id) != nullptr) {
        return false;
    }
    TrayIconEntry entry{data, trayPicture(data), backend.createTrayIcon(*data.owner, data.id)};
    if (entry.native) {
        entry.native->update(entry.picture, entry.data.tip);
    }
    entries_.push_back(std::move(entry));
    return true;
}

bool TrayIconList::modify(const TrayIconData& data) {
    TrayIconEntry* entry = find(data.owner, data.id);
    if (entry == nullptr) {
        return false;
    }
    if (data.iconResourceId != entry->data.iconResourceId || !data.picture.isNull()) {
        entry->picture = trayPicture(data);
    }
    entry->data = data;
    if (entry->native) {
        entry->native->update(entry->picture, entry->data.tip);
    }
    return true;
}

bool TrayIconList::remove(const Window* owner, UINT id) {
    const auto before = entries_.size();
    std::erase_if(entries_, [&](const TrayIconEntry& e) { return e.data.owner == owner && e.data.id == id; });
    return entries_.size() != before;
}

void TrayIconList::removeOwnedBy(const Window& owner) {
    std::erase_if(entries_, [&](const TrayIconEntry& e) { return e.data.owner == &owner; });
}

bool TrayIconList::notify(const Window* owner, UINT id, UINT mouseMessage) const {
    const TrayIconEntry* entry = find(owner, id);
    return entry != nullptr && PostMessage(entry->data.owner, entry->data.callbackMessage,
                                           static_cast<WPARAM>(id), static_cast<LPARAM>(mouseMessage));
}

const TrayIconEntry* TrayIconList::find(const Window* owner, UINT id) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const TrayIconEntry& e) {
        return e.data.owner == owner && e.data.id == id;
    });
    return it == entries_.end() ? nullptr : &*it;
}

TrayIconEntry* TrayIconList::find(const Window* owner, UINT id) {
    return const_cast<TrayIconEntry*>(std::as_const(*this).find(owner, id));
}

}  // namespace ui::detail
