#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <thread>

#include "audio/service/AudioDeviceService.h"
#include "platform/service/LocalServices.h"
#include "platform/service/ServiceControl.h"
#include "support/TempFolder.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;

// Waits (real time) for something another process does; false when it never came.
bool eventually(const std::function<bool()>& done) {
    for (auto until = std::chrono::steady_clock::now() + 20s; std::chrono::steady_clock::now() < until;) {
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(20ms);
    }
    return done();
}

// The real service program in a runtime folder of the test's own, with a
// stand-in panel that writes down how it was started.
class AudioDeviceServiceTest : public ::testing::Test {
protected:
    AudioDeviceServiceTest() {
        ::setenv("XDG_RUNTIME_DIR", temp.path().c_str(), 1);
        temp.write("panel", "#!/bin/sh\necho \"$@\" >> \"" + temp.file("started") + "\"\n");
        std::filesystem::permissions(temp.file("panel"), std::filesystem::perms::owner_all);
    }
    ~AudioDeviceServiceTest() override {
        // A service started again runs detached: it is told to stop instead.
        if (Status() == service::ServiceState::running) {
            Control(kServiceStop);
        }
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            Wait();
        }
        ::unsetenv("XDG_RUNTIME_DIR");
    }

    void StartService() {
        std::string program = AUDIO_DEVICE_SERVICE;
        std::string panel = temp.file("panel");
        char* argv[] = {program.data(), const_cast<char*>("--panel"), panel.data(), nullptr};
        ASSERT_EQ(::posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv, environ), 0);
        ASSERT_TRUE(eventually([&] { return Status() == service::ServiceState::running; }));
    }
    std::optional<service::ServiceState> Status() {
        auto opened = manager.openService(AudioDeviceService::kName, service::ServiceAccess::all);
        return opened ? opened->queryStatus() : std::nullopt;
    }
    int Control(int value) { return ControlTheService(manager, clock, AudioDeviceService::kName, value); }
    int Wait() {
        int status = -1;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }
    std::string Started() { return temp.read("started"); }

    TempFolder temp;
    service::LocalServiceManager manager;
    core::RealClock clock;
    pid_t pid_ = -1;
};

TEST_F(AudioDeviceServiceTest, OpensThePanelTheWayTheCodeAsks) {
    StartService();
    EXPECT_EQ(Control(AudioDeviceService::kOpenPanel), ServiceDone);
    ASSERT_TRUE(eventually([&] { return Started() == "-servicestart\n"; })) << Started();
    EXPECT_EQ(Control(200), ServiceDone);  // not ours: nothing starts
    EXPECT_EQ(Control(AudioDeviceService::kOpenPanelAtBoot), ServiceDone);
    ASSERT_TRUE(eventually([&] { return Started() == "-servicestart\n-serviceboot\n"; })) << Started();

    EXPECT_EQ(Control(kServiceStop), ServiceDone);
    EXPECT_EQ(Wait(), 0);
    EXPECT_EQ(Status(), service::ServiceState::stopped);
}

TEST_F(AudioDeviceServiceTest, StoppedServiceStartsAgainWithItsOptions) {
    StartService();
    EXPECT_EQ(::kill(pid_, SIGTERM), 0);
    EXPECT_EQ(Wait(), 0);
    EXPECT_EQ(Status(), service::ServiceState::stopped);

    EXPECT_EQ(Control(kServiceStart), ServiceDone);  // detached: not our child
    EXPECT_EQ(Control(AudioDeviceService::kOpenPanel), ServiceDone);
    ASSERT_TRUE(eventually([&] { return Started() == "-servicestart\n"; })) << Started();
    EXPECT_EQ(Control(kServiceStop), ServiceDone);
}

TEST_F(AudioDeviceServiceTest, OneServiceAtATime) {
    StartService();
    std::string program = AUDIO_DEVICE_SERVICE;
    std::string command = "'" + program + "' --panel /bin/true 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
    EXPECT_EQ(Status(), service::ServiceState::running);
}

}  // namespace
