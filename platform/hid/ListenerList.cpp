#include "platform/hid/ListenerList.h"

#include <vector>

namespace hid {

int ListenerList::add(DeviceChangeListener listener) {
    std::lock_guard lock(mutex_);
    int id = nextId_++;
    listeners_.emplace(id, std::move(listener));
    return id;
}

void ListenerList::remove(int id) {
    std::lock_guard lock(mutex_);
    listeners_.erase(id);
}

bool ListenerList::empty() const {
    std::lock_guard lock(mutex_);
    return listeners_.empty();
}

void ListenerList::notify(const DeviceChange& change) const {
    // Called without the lock held, so a listener may add or remove listeners.
    std::vector<DeviceChangeListener> copy;
    {
        std::lock_guard lock(mutex_);
        for (const auto& [id, listener] : listeners_) {
            copy.push_back(listener);
        }
    }
    for (const auto& listener : copy) {
        listener(change);
    }
}

}  // namespace hid
