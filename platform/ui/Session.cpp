#include "platform/ui/Session.h"

#include "platform/core/Environment.h"
#include "platform/ui/detail/Dispatcher.h"
#include "platform/ui/detail/QtConvert.h"
#include "platform/ui/headless/HeadlessBackend.h"
#include "platform/ui/qt/QtBackend.h"

namespace ui {

namespace {
std::unique_ptr<detail::Dispatcher> session;
Backend sessionBackend = Backend::qt;

std::unique_ptr<detail::BackendImpl> makeBackend(Backend backend) {
    if (backend == Backend::headless) {
        return std::make_unique<headless::HeadlessBackend>();
    }
    return std::make_unique<qt::QtBackend>();
}
}  // namespace

Backend backendFromEnvironment() {
    return core::environmentVariable("QUELDA_UI_BACKEND").value_or("") == "headless" ? Backend::headless
                                                                                     : Backend::qt;
}

Session::Session(Backend backend) {
    if (session) {
        return;  // one session at a time; the first one stays in charge
    }
    owner_ = true;
    sessionBackend = backend;
    session = std::make_unique<detail::Dispatcher>(makeBackend(backend));
}

Session::~Session() {
    if (owner_) {
        session.reset();
    }
}

WindowSystem windowSystem() {
    if (!session || sessionBackend == Backend::headless) {
        return WindowSystem::none;
    }
    const std::string platform = detail::qtPlatformName();
    if (platform == "xcb") {
        return WindowSystem::x11;
    }
    return platform.rfind("wayland", 0) == 0 ? WindowSystem::wayland : WindowSystem::other;
}

bool Session::running() {
    return session != nullptr;
}
Backend Session::backend() {
    return sessionBackend;
}

}  // namespace ui
