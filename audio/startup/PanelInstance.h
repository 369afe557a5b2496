#pragma once

#include <memory>

#include "platform/core/SingleInstanceLock.h"

inline constexpr const char* kPanelInstanceName = "{196BFF53-13AC-4BB7-8F82-D7E5E55E19F7}";

// The GUI run's single-instance check. The first panel gets the held lock
// (it answers later starts through onActivationRequest); a later one gets
// nullptr after asking the first to come to the front, and ends without a window.
std::unique_ptr<core::SingleInstanceLock> ClaimPanelInstance();
