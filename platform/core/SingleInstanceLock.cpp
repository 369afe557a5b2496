#include "platform/core/SingleInstanceLock.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/core/Path.h"

namespace core {

namespace {

std::string runtimeFolder() {
    const char* folder = std::getenv("XDG_RUNTIME_DIR");
    return (folder && *folder) ? folder : "/tmp";
}

// Lock names may hold spaces and braces; file names get a tame form of them.
std::string fileNameFor(const std::string& name) {
    std::string safe;
    for (char c : name) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        safe += plain ? c : '_';
    }
    return safe + "-" + std::to_string(getuid());
}

bool fillAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

}  // namespace

std::string SingleInstanceLock::lockPath(const std::string& name) {
    return joinPath(runtimeFolder(), fileNameFor(name) + ".lock");
}

std::string SingleInstanceLock::socketPath(const std::string& name) {
    return joinPath(runtimeFolder(), fileNameFor(name) + ".sock");
}

SingleInstanceLock::SingleInstanceLock(const std::string& name) : name_(name) {
    int fd = ::open(lockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    lockFd_ = fd;
}

SingleInstanceLock::~SingleInstanceLock() {
    stopListening();
    if (lockFd_ >= 0) {
        ::close(lockFd_);
    }
}

void SingleInstanceLock::onActivationRequest(std::function<void()> handler) {
    if (!acquired() || listener_.joinable()) {
        return;
    }
    std::string path = socketPath(name_);
    sockaddr_un address{};
    if (!fillAddress(path, address)) {
        return;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return;
    }
    // We hold the lock, so a socket file left here belongs to a holder that died.
    ::unlink(path.c_str());
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 4) != 0 ||
        ::pipe2(wakeFd_, O_CLOEXEC) != 0) {
        ::close(fd);
        return;
    }
    socketFd_ = fd;
    handler_ = std::move(handler);
    listener_ = std::thread([this] { listen(); });
}

void SingleInstanceLock::listen() {
    for (;;) {
        pollfd fds[2] = {{socketFd_, POLLIN, 0}, {wakeFd_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            continue;
        }
        if (fds[1].revents != 0) {
            return;
        }
        int client = ::accept4(socketFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0) {
            ::close(client);
            handler_();
        }
    }
}

void SingleInstanceLock::stopListening() {
    if (!listener_.joinable()) {
        return;
    }
    char byte = 1;
    [[maybe_unused]] ssize_t ignored = ::write(wakeFd_[1], &byte, 1);
    listener_.join();
    ::close(socketFd_);
    ::close(wakeFd_[0]);
    ::close(wakeFd_[1]);
    ::unlink(socketPath(name_).c_str());
}

bool SingleInstanceLock::requestActivation() const {
    sockaddr_un address{};
    if (!fillAddress(socketPath(name_), address)) {
        return false;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    bool answered = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return answered;
}

}  // namespace core
