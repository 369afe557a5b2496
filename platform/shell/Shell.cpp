#include "platform/shell/Shell.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <vector>

namespace shell {

namespace {

std::mutex openerMutex;
std::string opener = "xdg-open";
Launcher launcher;

std::string currentOpener() {
    std::lock_guard lock(openerMutex);
    return opener;
}

bool isWebAddress(const std::string& target) {
    return target.find("://") != std::string::npos || target.rfind("www.", 0) == 0 ||
           target.rfind("mailto:", 0) == 0;
}

bool isProgram(const std::string& target) {
    struct stat info {};
    return ::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(target.c_str(), X_OK) == 0;
}

// Starts argv[0] in a session of its own, through a grandchild, so it is
// neither our child to reap nor killed with us. A close-on-exec pipe tells
// whether the exec itself worked.
bool spawnDetached(const std::vector<std::string>& arguments) {
    {
        std::unique_lock lock(openerMutex);
        if (launcher) {
            Launcher replacement = launcher;
            lock.unlock();
            return replacement(arguments);
        }
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    int status[2];
    if (::pipe2(status, O_CLOEXEC) < 0) {
        return false;
    }
    pid_t child = ::fork();
    if (child < 0) {
        ::close(status[0]);
        ::close(status[1]);
        return false;
    }
    if (child == 0) {
        // The program starts with every signal as a new process has it, not
        // with the ones this process keeps for a thread of its own.
        sigset_t none;
        sigemptyset(&none);
        ::pthread_sigmask(SIG_SETMASK, &none, nullptr);
        ::setsid();
        if (::fork() == 0) {
            ::execvp(argv[0], argv.data());
            int error = errno;
            [[maybe_unused]] ssize_t ignored = ::write(status[1], &error, sizeof error);
        }
        ::_exit(0);
    }
    ::close(status[1]);
    int ignoredStatus = 0;
    while (::waitpid(child, &ignoredStatus, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    do {
        got = ::read(status[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(status[0]);
    return got == 0;  // the pipe closed on a successful exec
}

}  // namespace

bool open(const std::string& target) {
    if (target.empty()) {
        return false;
    }
    if (isWebAddress(target)) {
        return spawnDetached({currentOpener(), target});
    }
    if (::access(target.c_str(), F_OK) != 0) {
        return false;
    }
    if (isProgram(target)) {
        return spawnDetached({target});
    }
    return spawnDetached({currentOpener(), target});
}

bool startProgram(const std::string& program, const std::vector<std::string>& parameters) {
    if (!isProgram(program)) {
        return false;
    }
    std::vector<std::string> commandLine{program};
    commandLine.insert(commandLine.end(), parameters.begin(), parameters.end());
    return spawnDetached(commandLine);
}

void setOpener(const std::string& program) {
    std::lock_guard lock(openerMutex);
    opener = program.empty() ? "xdg-open" : program;
}

void setLauncher(Launcher replacement) {
    std::lock_guard lock(openerMutex);
    launcher = std::move(replacement);
}

}  // namespace shell
