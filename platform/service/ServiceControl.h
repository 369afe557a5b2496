#pragma once

#include <string>

#include "platform/core/Clock.h"
#include "platform/service/ServiceManager.h"

// Control values of ControlTheService; any other value is sent as a control code.
constexpr int kServiceStart = 0;
constexpr int kServiceStop = 1;

enum ControlTheServiceResult : int {
    ServiceDone = 0,
    ServiceNoManager = 1,
    ServiceNotOpened = 2,
    ServiceNoStatus = 3,
    ServiceStopRefused = 4,
    ServiceNotStopped = 5,
    ServiceStartRefused = 6,
    ServiceNotRunning = 7,
};

// Starts (0) or stops (1) the named service, waiting up to 30 polls 300 ms
// apart for it to get there, or sends it any other value as a control code
// without checking the outcome.
int ControlTheService(service::ServiceManager& manager, core::Clock& clock, const std::string& name,
                      int control);

// The same on the system's manager and clock.
int ControlTheService(const std::string& name, int control);
