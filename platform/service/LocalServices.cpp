#include "platform/service/LocalServices.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "platform/core/AtomicFile.h"
#include "platform/core/Path.h"
#include "platform/shell/Shell.h"

namespace service {

namespace {

// A hung service must not hang the caller for long.
constexpr int kRequestTimeoutSeconds = 2;
constexpr std::size_t kLongestLine = 256;

bool plainName(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
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

bool isSocket(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

void setTimeouts(int fd) {
    timeval timeout{kRequestTimeoutSeconds, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
}

bool writeLine(int fd, const std::string& line) {
    std::string text = line + "\n";
    std::size_t sent = 0;
    while (sent < text.size()) {
        ssize_t n = ::send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::string> readLine(int fd) {
    std::string line;
    char c = 0;
    while (line.size() < kLongestLine) {
        ssize_t n = ::recv(fd, &c, 1, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return std::nullopt;
        }
        if (c == '\n') {
            return line;
        }
        line += c;
    }
    return std::nullopt;
}

enum class Reach { answered, refused, failed };

struct Reply {
    Reach reach = Reach::failed;
    std::string line;
};

// Connection refused means nobody listens: the service is registered but stopped.
int connectTo(const std::string& path, Reach& reach) {
    sockaddr_un address{};
    int fd = fillAddress(path, address) ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0) : -1;
    if (fd < 0) {
        reach = Reach::failed;
        return -1;
    }
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        reach = (errno == ECONNREFUSED || errno == ENOENT) ? Reach::refused : Reach::failed;
        ::close(fd);
        return -1;
    }
    setTimeouts(fd);
    return fd;
}

Reply request(const std::string& path, const std::string& line) {
    Reply reply;
    int fd = connectTo(path, reply.reach);
    if (fd < 0) {
        return reply;
    }
    std::optional<std::string> answer = writeLine(fd, line) ? readLine(fd) : std::nullopt;
    ::close(fd);
    reply.reach = answer ? Reach::answered : Reach::failed;
    reply.line = answer.value_or("");
    return reply;
}

std::vector<std::string> readCommandLine(const std::string& path) {
    std::vector<std::string> arguments;
    std::string text = core::readWholeFile(path).value_or("");
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find('\0', begin)) != std::string::npos; begin = end + 1) {
        arguments.push_back(text.substr(begin, end - begin));
    }
    return arguments;
}

class LocalService final : public Service {
public:
    explicit LocalService(std::string name) : name_(std::move(name)) {}

    std::optional<ServiceState> queryStatus() override {
        Reply reply = request(localServiceSocket(name_), "STATUS");
        if (reply.reach == Reach::refused) {
            return ServiceState::stopped;
        }
        if (reply.reach == Reach::answered && reply.line == "RUNNING") {
            return ServiceState::running;
        }
        return std::nullopt;
    }

    bool start() override {
        std::vector<std::string> commandLine = readCommandLine(localServiceCommand(name_));
        if (commandLine.empty()) {
            return false;
        }
        std::vector<std::string> parameters(commandLine.begin() + 1, commandLine.end());
        return shell::startProgram(commandLine.front(), parameters);
    }

    bool stop() override { return request(localServiceSocket(name_), "STOP").line == "OK"; }

    bool control(int code) override {
        return request(localServiceSocket(name_), "CONTROL " + std::to_string(code)).line == "OK";
    }

private:
    std::string name_;
};

std::optional<int> controlCode(const std::string& line) {
    constexpr std::string_view prefix = "CONTROL ";
    if (line.rfind(prefix, 0) != 0 || line.size() == prefix.size()) {
        return std::nullopt;
    }
    int code = 0;
    for (char c : line.substr(prefix.size())) {
        if (c < '0' || c > '9' || code > 100000) {
            return std::nullopt;
        }
        code = code * 10 + (c - '0');
    }
    return code;
}

}  // namespace

std::string localServiceFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return (runtime && *runtime) ? core::joinPath(runtime, "services") : std::string();
}

std::string localServiceSocket(const std::string& name) {
    return core::joinPath(localServiceFolder(), name);
}

std::string localServiceCommand(const std::string& name) {
    return core::joinPath(localServiceFolder(), name + ".command");
}

bool LocalServiceManager::available() {
    struct stat info {};
    std::string folder = localServiceFolder();
    return !folder.empty() && ::stat(core::parentFolder(folder).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// All of one user's session is the user's own: every opened service allows everything.
std::unique_ptr<Service> LocalServiceManager::openService(const std::string& name, ServiceAccess) {
    if (!plainName(name) || !isSocket(localServiceSocket(name))) {
        return nullptr;
    }
    return std::make_unique<LocalService>(name);
}

LocalServiceHost::LocalServiceHost(const std::string& name, const std::vector<std::string>& commandLine) {
    std::string path = localServiceSocket(name);
    sockaddr_un address{};
    if (!plainName(name) || localServiceFolder().empty() || !fillAddress(path, address) ||
        !core::ensureParentFolder(path)) {
        return;
    }
    Reach reach = Reach::failed;
    if (int other = connectTo(path, reach); other >= 0) {
        ::close(other);  // another run of the service answers: leave it be
        return;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return;
    }
    ::unlink(path.c_str());
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 8) != 0 ||
        ::pipe2(wakeFd_, O_CLOEXEC | O_NONBLOCK) != 0) {
        ::close(fd);
        return;
    }
    socketFd_ = fd;
    std::string command;
    for (const std::string& argument : commandLine) {
        command += argument + '\0';
    }
    core::replaceFileAtomically(localServiceCommand(name), command);
}

LocalServiceHost::~LocalServiceHost() {
    for (int fd : {socketFd_, wakeFd_[0], wakeFd_[1]}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void LocalServiceHost::serve(const std::function<void(int code)>& onControl) {
    while (listening()) {
        pollfd fds[2] = {{socketFd_, POLLIN, 0}, {wakeFd_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            continue;
        }
        if (fds[1].revents != 0) {
            break;
        }
        int client = ::accept4(socketFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            continue;
        }
        setTimeouts(client);
        bool goOn = answer(client, onControl);
        ::close(client);
        if (!goOn) {
            break;
        }
    }
    // Closing the socket is what makes the service read as stopped.
    if (socketFd_ >= 0) {
        ::close(socketFd_);
        socketFd_ = -1;
    }
}

bool LocalServiceHost::answer(int client, const std::function<void(int code)>& onControl) {
    std::optional<std::string> line = readLine(client);
    if (!line) {
        return true;
    }
    if (*line == "STATUS") {
        writeLine(client, "RUNNING");
        return true;
    }
    if (*line == "STOP") {
        writeLine(client, "OK");
        return false;
    }
    if (std::optional<int> code = controlCode(*line)) {
        writeLine(client, "OK");
        onControl(*code);
        return true;
    }
    writeLine(client, "ERROR");
    return true;
}

void LocalServiceHost::stop() {
    char byte = 1;
    [[maybe_unused]] ssize_t ignored = ::write(wakeFd_[1], &byte, 1);
}

}  // namespace service
