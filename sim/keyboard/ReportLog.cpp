#include "sim/keyboard/ReportLog.h"

namespace sim {

void ReportLog::add(LoggedReport entry) {
    std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
}

std::vector<LoggedReport> ReportLog::entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

void ReportLog::clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
}

}  // namespace sim
