#include "platform/service/ServiceManager.h"

#include <atomic>

#include "platform/service/LocalServices.h"

namespace service {

namespace {
std::atomic<ServiceManager*> installed{nullptr};
}  // namespace

ServiceManager& systemServiceManager() {
    static LocalServiceManager local;
    ServiceManager* manager = installed.load();
    return manager ? *manager : local;
}

void installServiceManager(ServiceManager* manager) {
    installed.store(manager);
}

}  // namespace service
