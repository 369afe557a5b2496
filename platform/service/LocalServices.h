#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/service/ServiceManager.h"

namespace service {

// Services of the user's session on Linux: each one is a local socket under
// $XDG_RUNTIME_DIR/services named after the service, with the command line
// that runs it beside it (<name>.command, arguments ended by NUL bytes).
// A request is one line on its own connection, answered by one line:
//   STATUS      -> RUNNING
//   STOP        -> OK, then the service closes its socket and ends
//   CONTROL <n> -> OK
// A registered service whose socket refuses connections is stopped; a start
// runs its command line again.

// The folder, or "" when $XDG_RUNTIME_DIR is not set.
std::string localServiceFolder();
std::string localServiceSocket(const std::string& name);
std::string localServiceCommand(const std::string& name);

class LocalServiceManager final : public ServiceManager {
public:
    bool available() override;
    std::unique_ptr<Service> openService(const std::string& name, ServiceAccess access) override;
};

// The service's own side: registers the name and answers requests.
class LocalServiceHost {
public:
    // Binds the socket, replacing one left by an earlier run, and records
    // `commandLine`. Not listening when another run of the service answers
    // on the socket or the socket cannot be made.
    LocalServiceHost(const std::string& name, const std::vector<std::string>& commandLine);
    ~LocalServiceHost();
    LocalServiceHost(const LocalServiceHost&) = delete;
    LocalServiceHost& operator=(const LocalServiceHost&) = delete;

    bool listening() const { return socketFd_ >= 0; }

    // Answers requests until a stop request or stop(); each control code goes
    // to `onControl` on this thread. The registration stays afterwards, so
    // the service then reads as stopped.
    void serve(const std::function<void(int code)>& onControl);

    // Ends serve() from another thread or a signal handler.
    void stop();

private:
    bool answer(int client, const std::function<void(int code)>& onControl);

    int socketFd_ = -1;
    int wakeFd_[2] = {-1, -1};
};

}  // namespace service
