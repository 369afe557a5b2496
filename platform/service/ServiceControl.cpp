#include "platform/service/ServiceControl.h"

namespace {

using service::ServiceState;

constexpr int kPolls = 30;
constexpr core::Milliseconds kPollInterval{300};
constexpr int kFirstUserCode = 128;

bool reaches(service::Service& target, ServiceState wanted, core::Clock& clock) {
    for (int poll = 0; poll < kPolls; ++poll) {
        clock.sleep(kPollInterval);
        if (target.queryStatus() == wanted) {
            return true;
        }
    }
    return false;
}

int stopService(service::Service& target, ServiceState state, core::Clock& clock) {
    if (state == ServiceState::stopped) {
        return ServiceDone;
    }
    if (!target.stop()) {
        return ServiceStopRefused;
    }
    return reaches(target, ServiceState::stopped, clock) ? ServiceDone : ServiceNotStopped;
}

int startService(service::Service& target, ServiceState state, core::Clock& clock) {
    if (state == ServiceState::running) {
        return ServiceDone;
    }
    if (!target.start()) {
        return ServiceStartRefused;
    }
    return reaches(target, ServiceState::running, clock) ? ServiceDone : ServiceNotRunning;
}

}  // namespace

int ControlTheService(service::ServiceManager& manager, core::Clock& clock, const std::string& name,
                      int control) {
    if (!manager.available()) {
        return ServiceNoManager;
    }
    auto access =
        control >= kFirstUserCode ? service::ServiceAccess::queryAndUserControl : service::ServiceAccess::all;
    std::unique_ptr<service::Service> target = manager.openService(name, access);
    if (!target) {
        return ServiceNotOpened;
    }
    std::optional<ServiceState> state = target->queryStatus();
    if (!state) {
        return ServiceNoStatus;
    }
    if (control == kServiceStop) {
        return stopService(*target, *state, clock);
    }
    if (control == kServiceStart) {
        return startService(*target, *state, clock);
    }
    target->control(control);
    return ServiceDone;
}

int ControlTheService(const std::string& name, int control) {
    return ControlTheService(service::systemServiceManager(), core::systemClock(), name, control);
}
