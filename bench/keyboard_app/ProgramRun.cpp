#include "ProgramRun.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ProgramRun RunProgram(const std::vector<std::string>& arguments,
                      const std::vector<std::string>& environment) {
    // Everything the child needs is made before the fork: between fork and exec
    // only async-signal-safe calls are allowed.
    std::vector<std::string> args = arguments;
    std::vector<std::string> env = environment;
    for (char** variable = environ; *variable; ++variable) {
        env.emplace_back(*variable);  // later duplicates lose: getenv finds the first
    }
    std::vector<char*> argv = Pointers(args);
    std::vector<char*> envp = Pointers(env);
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        return {};
    }
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);

    ProgramRun run;
    const Clock::time_point start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(null, STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(null);
    bool marked = false;
    char buffer[4096];
    for (ssize_t got; (got = ::read(out[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno != EINTR) {
            break;
        }
        if (got > 0 && !marked) {
            run.toMarkMs = MillisecondsSince(start);
            marked = true;
        }
    }
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid) {
        return {};
    }
    run.toExitMs = MillisecondsSince(start);
    run.maxResidentMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // KiB on Linux
    run.succeeded = marked && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}
