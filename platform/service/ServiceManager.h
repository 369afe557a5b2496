#pragma once

#include <memory>
#include <optional>
#include <string>

namespace service {

enum class ServiceState { stopped, startPending, stopPending, running };

// What a caller may do with an opened service: a status query and the
// user-defined control codes, or everything (start and stop too).
enum class ServiceAccess { queryAndUserControl, all };

// One opened service; closed when destroyed.
class Service {
public:
    virtual ~Service() = default;
    virtual std::optional<ServiceState> queryStatus() = 0;  // nullopt: the query failed
    virtual bool start() = 0;                               // false: refused
    virtual bool stop() = 0;                                // sends the stop request; false: refused
    virtual bool control(int code) = 0;                     // a user-defined code, 128..255
};

// The session's services, reached by name.
class ServiceManager {
public:
    virtual ~ServiceManager() = default;
    virtual bool available() = 0;  // false: the manager cannot be reached at all
    // nullptr when no service of that name is registered.
    virtual std::unique_ptr<Service> openService(const std::string& name, ServiceAccess access) = 0;
};

// The manager the programs use unless another is installed (tests, scripted
// runs): the local-socket one. An installed manager must outlive its use.
ServiceManager& systemServiceManager();
void installServiceManager(ServiceManager* manager);  // nullptr restores the local-socket one

}  // namespace service
