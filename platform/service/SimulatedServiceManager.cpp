#include "platform/service/SimulatedServiceManager.h"

namespace service {

namespace {

class SimulatedHandle final : public Service {
public:
    explicit SimulatedHandle(SimulatedService& service) : service_(service) {}

    std::optional<ServiceState> queryStatus() override {
        ++service_.queries;
        if (service_.failsQueries) {
            return std::nullopt;
        }
        settle();
        return service_.state;
    }

    bool start() override {
        ++service_.starts;
        return begin(service_.refusesStart, ServiceState::startPending, ServiceState::running);
    }

    bool stop() override {
        ++service_.stops;
        return begin(service_.refusesStop, ServiceState::stopPending, ServiceState::stopped);
    }

    bool control(int code) override {
        service_.controls.push_back(code);
        return service_.state == ServiceState::running;
    }

private:
    bool begin(bool refused, ServiceState pending, ServiceState done) {
        if (refused) {
            return false;
        }
        service_.remaining = service_.pendingQueries;
        service_.state = service_.remaining == 0 ? done : pending;
        return true;
    }

    void settle() {
        if (service_.remaining == SimulatedService::kNever || service_.remaining == 0) {
            return;
        }
        if (--service_.remaining == 0) {
            service_.state =
                service_.state == ServiceState::startPending ? ServiceState::running : ServiceState::stopped;
        }
    }

    SimulatedService& service_;
};

}  // namespace

SimulatedService& SimulatedServiceManager::add(const std::string& name) {
    return services_[name];
}

std::unique_ptr<Service> SimulatedServiceManager::openService(const std::string& name, ServiceAccess access) {
    auto found = services_.find(name);
    if (found == services_.end()) {
        return nullptr;
    }
    found->second.openedWith.push_back(access);
    return std::make_unique<SimulatedHandle>(found->second);
}

}  // namespace service
