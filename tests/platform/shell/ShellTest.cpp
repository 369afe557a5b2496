#include "platform/shell/Shell.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "support/TempFolder.h"

namespace {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A stand-in opener and program that write down their arguments.
        writeScript("opener.sh", "echo \"$1\" > '" + folder.file("opened.txt") + "'\n");
        writeScript("program.sh", "echo started > '" + folder.file("started.txt") + "'\n");
        shell::setOpener(folder.file("opener.sh"));
    }
    void TearDown() override { shell::setOpener(""); }

    void writeScript(const std::string& name, const std::string& body) {
        folder.write(name, "#!/bin/sh\n" + body);
        ::chmod(folder.file(name).c_str(), 0755);
    }
    // The started processes run on their own; wait for what they leave behind.
    std::string waitFor(const std::string& name) {
        for (int i = 0; i < 500 && folder.read(name).empty(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return folder.read(name);
    }

    TempFolder folder;
};

TEST_F(ShellTest, ProgramsAreStartedThemselves) {
    EXPECT_TRUE(shell::open(folder.file("program.sh")));
    EXPECT_EQ(waitFor("started.txt"), "started\n");
    EXPECT_FALSE(folder.exists("opened.txt"));
}

TEST_F(ShellTest, ProgramsTakeTheirParametersAsGiven) {
    writeScript("args.sh", "printf '%s|' \"$@\" > '" + folder.file("args.txt") + "'\n");
    EXPECT_TRUE(shell::startProgram(folder.file("args.sh"), {"-servicestart", "two words", ""}));
    EXPECT_EQ(waitFor("args.txt"), "-servicestart|two words||");
    folder.write("plain.txt", "not a program");
    EXPECT_FALSE(shell::startProgram(folder.file("plain.txt"), {}));
    EXPECT_FALSE(shell::startProgram(folder.file("absent"), {}));
}

TEST_F(ShellTest, DocumentsAndWebAddressesGoToTheOpener) {
    folder.write("notes.txt", "text");
    EXPECT_TRUE(shell::open(folder.file("notes.txt")));
    EXPECT_EQ(waitFor("opened.txt"), folder.file("notes.txt") + "\n");

    std::remove(folder.file("opened.txt").c_str());
    EXPECT_TRUE(shell::open("https://example.com/page"));
    EXPECT_EQ(waitFor("opened.txt"), "https://example.com/page\n");
}

TEST_F(ShellTest, MissingTargetsAndMissingOpenerFail) {
    EXPECT_FALSE(shell::open(""));
    EXPECT_FALSE(shell::open(folder.file("absent.exe")));
    shell::setOpener(folder.file("no-such-opener"));
    EXPECT_FALSE(shell::open("https://example.com"));
}

}  // namespace

// The program blocks some signals for a watching thread of its own; what it
// starts must not inherit that, or a browser could not be ended with SIGTERM.
TEST_F(ShellTest, StartedProgramsBlockNoSignals) {
    // bash keeps the mask it was given (dash would clear it and hide the fault).
    folder.write("mask.sh",
                 "#!/bin/bash\ngrep SigBlk /proc/self/status > '" + folder.file("mask.txt") + "'\n");
    ::chmod(folder.file("mask.sh").c_str(), 0755);
    sigset_t blocked, previous;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &blocked, &previous);
    EXPECT_TRUE(shell::open(folder.file("mask.sh")));
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    EXPECT_EQ(waitFor("mask.txt"), "SigBlk:\t0000000000000000\n");
}
