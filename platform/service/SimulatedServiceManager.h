#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/service/ServiceManager.h"

namespace service {

// A service as tests declare it: its state, how it answers, and what it was told.
struct SimulatedService {
    ServiceState state = ServiceState::running;
    bool refusesStart = false;
    bool refusesStop = false;
    bool failsQueries = false;
    // Status queries a start or a stop stays pending for; kNever: for good.
    static constexpr int kNever = -1;
    int pendingQueries = 0;

    // What reached it.
    std::vector<int> controls;
    int starts = 0;
    int stops = 0;
    int queries = 0;
    std::vector<ServiceAccess> openedWith;

    int remaining = 0;  // queries left before a pending state settles
};

// Services in memory, for tests and scripted runs.
class SimulatedServiceManager final : public ServiceManager {
public:
    SimulatedService& add(const std::string& name);
    SimulatedService& service(const std::string& name) { return services_.at(name); }
    void setAvailable(bool available) { available_ = available; }

    bool available() override { return available_; }
    std::unique_ptr<Service> openService(const std::string& name, ServiceAccess access) override;

private:
    bool available_ = true;
    std::map<std::string, SimulatedService> services_;
};

}  // namespace service
