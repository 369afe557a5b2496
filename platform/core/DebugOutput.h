#pragma once

#include <functional>
#include <string_view>

namespace core {

// The debug channel: goes to stderr when SONVAIR_DEBUG=1 or QUELDA_DEBUG=1,
// and to the sink a test installed.
void debugOutput(std::string_view text);

using DebugSink = std::function<void(std::string_view)>;
void setDebugSink(DebugSink sink);  // empty function removes it

}  // namespace core
