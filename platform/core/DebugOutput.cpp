#include "platform/core/DebugOutput.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

namespace core {

namespace {
std::mutex sinkMutex;
DebugSink sink;

bool enabledByEnvironment() {
    for (const char* name : {"SONVAIR_DEBUG", "QUELDA_DEBUG"}) {
        const char* value = std::getenv(name);
        if (value && std::strcmp(value, "1") == 0) {
            return true;
        }
    }
    return false;
}
}  // namespace

void debugOutput(std::string_view text) {
    static const bool toStderr = enabledByEnvironment();
    if (toStderr) {
        std::string line(text);
        if (line.empty() || line.back() != '\n') {
            line += '\n';
        }
        std::fputs(line.c_str(), stderr);
    }
    std::lock_guard lock(sinkMutex);
    if (sink) {
        sink(text);
    }
}

void setDebugSink(DebugSink newSink) {
    std::lock_guard lock(sinkMutex);
    sink = std::move(newSink);
}

}  // namespace core
