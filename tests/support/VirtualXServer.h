#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

// An Xvfb of the test's own on a free display number (the server picks it and
// writes it to a pipe). started() is false where no server can be run.
//
// Ending::withObject kills it with the object. Ending::withLastClient leaves
// it to end by itself once its last client has gone: for a desktop session of
// the UI layer, which stays connected until the process ends and would take
// a server killed under it for a fatal error.
class VirtualXServer {
public:
    enum class Ending { withObject, withLastClient };

    explicit VirtualXServer(Ending ending = Ending::withObject) : ending_(ending) {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        const std::string fd = std::to_string(fds[1]);
        std::vector<std::string> args = {"Xvfb", "-displayfd", fd,  "-nolisten",
                                         "tcp",  "-screen",    "0", "640x480x24"};
        if (ending_ == Ending::withLastClient) {
            args.push_back("-terminate");
        }
        pid_ = spawn(args, /*quiet=*/true);
        close(fds[1]);
        display_ = readDisplay(fds[0]);
        close(fds[0]);
    }
    ~VirtualXServer() {
        if (pid_ > 0 && ending_ == Ending::withObject) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    VirtualXServer(const VirtualXServer&) = delete;
    VirtualXServer& operator=(const VirtualXServer&) = delete;

    bool started() const { return !display_.empty(); }
    const std::string& display() const { return display_; }

    // Runs another client of the server to its end; true when it succeeded.
    bool run(std::vector<std::string> args) const {
        const pid_t pid = spawn(args, /*quiet=*/false);
        int status = 0;
        return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

private:
    static pid_t spawn(std::vector<std::string>& args, bool quiet) {
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (quiet) {
            posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        }
        pid_t pid = -1;
        if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    std::string readDisplay(int fd) const {
        std::string number;
        pollfd wait{fd, POLLIN, 0};
        char c = 0;
        while (pid_ > 0 && poll(&wait, 1, 10000) > 0 && read(fd, &c, 1) == 1 && c != '\n') {
            number += c;
        }
        return number.empty() || c != '\n' ? std::string{} : ":" + number;
    }

    Ending ending_;
    pid_t pid_ = -1;
    std::string display_;
};
