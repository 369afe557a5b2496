#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/TempFolder.h"

// Runs the real configurator, headless, under a scenario written by the test,
// with a program folder and a session folder of its own (the single-instance
// lock lives there, so tests running side by side do not meet).
class ScenarioFixture : public ::testing::Test {
protected:
    struct Run {
        int exitCode = -1;
        std::string out;
        std::string err;
    };

    void SetUp() override { ASSERT_EQ(::mkdir(Runtime().c_str(), 0700), 0); }

    std::string Home() const { return folder.file("home"); }
    std::string Runtime() const { return folder.file("run"); }

    // Starts the program on `script`; Finish waits for it.
    pid_t Start(const std::string& script, std::vector<std::string> options = {"--simulate"}) {
        const int n = ++runs_;
        const std::string name = "script" + std::to_string(n);
        folder.write(name + ".txt", script);
        std::vector<std::string> arguments = {QUELDA_KEYBOARD_EXE, "--script", folder.file(name + ".txt"),
                                              "--program-folder", Home()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const std::string out = folder.file(name + ".out");
        const std::string err = folder.file(name + ".err");
        pid_t child = ::fork();
        if (child == 0) {
            ::setenv("XDG_RUNTIME_DIR", Runtime().c_str(), 1);
            ::chdir(folder.path().c_str());
            if (!std::freopen(out.c_str(), "w", stdout) || !std::freopen(err.c_str(), "w", stderr)) {
                ::_exit(126);
            }
            std::vector<char*> argv;
            for (std::string& argument : arguments) {
                argv.push_back(argument.data());
            }
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        outputs_.push_back({child, name});
        return child;
    }

    Run Finish(pid_t child) {
        int status = 0;
        ::waitpid(child, &status, 0);
        Run run;
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        for (const auto& [pid, name] : outputs_) {
            if (pid == child) {
                run.out = folder.read(name + ".out");
                run.err = folder.read(name + ".err");
            }
        }
        return run;
    }

    Run RunScript(const std::string& script, std::vector<std::string> options = {"--simulate"}) {
        return Finish(Start(script, std::move(options)));
    }

    // Waits (real time) for a file the program writes with "touch".
    bool WaitForFile(const std::string& name) const {
        for (int i = 0; i < 2000 && !folder.exists(name); ++i) {
            ::usleep(10000);
        }
        return folder.exists(name);
    }

    TempFolder folder;

private:
    int runs_ = 0;
    std::vector<std::pair<pid_t, std::string>> outputs_;
};

// A run that held: exit code 0 and nothing on stderr but what Qt may say.
#define EXPECT_HELD(run) EXPECT_EQ((run).exitCode, 0) << (run).err
