#pragma once

#include <map>
#include <mutex>

#include "platform/hid/DeviceChange.h"

namespace hid {

// The device-change listeners of one bus; safe to use from several threads.
class ListenerList {
public:
    int add(DeviceChangeListener listener);
    void remove(int id);
    bool empty() const;
    void notify(const DeviceChange& change) const;

private:
    mutable std::mutex mutex_;
    std::map<int, DeviceChangeListener> listeners_;
    int nextId_ = 1;
};

}  // namespace hid
