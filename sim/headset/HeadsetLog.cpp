#include "sim/headset/HeadsetLog.h"

namespace sim {

void HeadsetLog::add(HeadsetLogEntry entry) {
    std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
}

std::vector<HeadsetLogEntry> HeadsetLog::entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

std::vector<std::string> HeadsetLog::lines() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> lines;
    for (const HeadsetLogEntry& entry : entries_) {
        lines.push_back((entry.accepted ? "" : "!") + entry.what);
    }
    return lines;
}

void HeadsetLog::clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
}

}  // namespace sim
