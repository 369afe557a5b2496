#include "platform/ui/MessageBroadcast.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <vector>

#include "platform/ui/Messaging.h"

namespace ui {

namespace {

std::mutex listenersMutex;
std::vector<BroadcastListener*> listeners;
std::atomic<int> nextListener{0};

sockaddr_un addressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    return address;
}

std::string ownPrefix() {
    return std::to_string(::getpid()) + "-";
}

}  // namespace

std::string BroadcastListener::folder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return std::string(runtime != nullptr && *runtime != '\0' ? runtime : "/tmp") + "/window-broadcast";
}

BroadcastListener::BroadcastListener(Window& target, std::map<std::string, UINT> messages)
    : target_(target), messages_(std::move(messages)) {
    {
        std::lock_guard lock(listenersMutex);
        listeners.push_back(this);
    }
    std::error_code ignored;
    std::filesystem::create_directories(folder(), ignored);
    ::chmod(folder().c_str(), 0700);
    path_ = folder() + "/" + ownPrefix() + std::to_string(nextListener++);
    if (path_.size() >= sizeof(sockaddr_un::sun_path) || ::pipe(wake_) != 0) {
        return;  // other programs cannot reach this window; its own process still can
    }
    socket_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_un address = addressOf(path_);
    ::unlink(path_.c_str());
    if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        return;
    }
    thread_ = std::thread([this] { receive(); });
}

BroadcastListener::~BroadcastListener() {
    {
        std::lock_guard lock(listenersMutex);
        listeners.erase(std::remove(listeners.begin(), listeners.end(), this), listeners.end());
    }
    if (thread_.joinable()) {
        [[maybe_unused]] auto written = ::write(wake_[1], "x", 1);
        thread_.join();
    }
    for (int fd : {socket_, wake_[0], wake_[1]}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    ::unlink(path_.c_str());
}

void BroadcastListener::deliver(const std::string& name) {
    if (auto found = messages_.find(name); found != messages_.end()) {
        SendMessage(&target_, found->second);
    }
}

void BroadcastListener::receive() {
    pollfd fds[2] = {{socket_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    while (::poll(fds, 2, -1) >= 0 && (fds[1].revents & POLLIN) == 0) {
        char name[256];
        const ssize_t got = ::recv(socket_, name, sizeof(name), 0);
        if (got <= 0) {
            continue;
        }
        if (auto found = messages_.find(std::string(name, static_cast<std::size_t>(got)));
            found != messages_.end()) {
            PostMessage(&target_, found->second);
        }
    }
}

void broadcastRegisteredMessage(const std::string& name, std::chrono::milliseconds timeout) {
    std::vector<BroadcastListener*> local;
    {
        std::lock_guard lock(listenersMutex);
        local = listeners;
    }
    for (BroadcastListener* listener : local) {
        listener->deliver(name);
    }
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(BroadcastListener::folder(), error)) {
        const std::string file = entry.path().filename().string();
        if (file.rfind(ownPrefix(), 0) == 0) {
            continue;
        }
        const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        timeval limit{static_cast<time_t>(timeout.count() / 1000),
                      static_cast<suseconds_t>(timeout.count() % 1000 * 1000)};
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof(limit));
        sockaddr_un address = addressOf(entry.path().string());
        if (::sendto(fd, name.data(), name.size(), 0, reinterpret_cast<sockaddr*>(&address), sizeof(address)) < 0 &&
            errno == ECONNREFUSED) {
            ::unlink(entry.path().c_str());  // left by a program that ended without closing
        }
        ::close(fd);
    }
}

}  // namespace ui
