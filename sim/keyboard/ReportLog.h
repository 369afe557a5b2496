#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/core/Clock.h"

namespace sim {

enum class ReportCall { SetFeature, GetFeature };

// One feature call as the keyboard saw it: the bytes sent, or for a get the
// bytes handed back (the request's id byte alone when it was refused).
struct LoggedReport {
    core::Duration time;
    ReportCall call;
    std::vector<std::uint8_t> bytes;
    bool accepted;
};

class ReportLog {
public:
    void add(LoggedReport entry);
    std::vector<LoggedReport> entries() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<LoggedReport> entries_;
};

}  // namespace sim
