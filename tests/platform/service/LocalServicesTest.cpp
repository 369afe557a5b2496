#include "platform/service/LocalServices.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <thread>

#include "platform/service/ServiceControl.h"
#include "support/TempFolder.h"

namespace {

using service::ServiceState;

// Points $XDG_RUNTIME_DIR at a folder for one test.
class ScopedRuntimeFolder {
public:
    explicit ScopedRuntimeFolder(const char* folder) {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) {
            old_ = old;
        }
        folder ? ::setenv("XDG_RUNTIME_DIR", folder, 1) : ::unsetenv("XDG_RUNTIME_DIR");
    }
    ~ScopedRuntimeFolder() {
        old_ ? ::setenv("XDG_RUNTIME_DIR", old_->c_str(), 1) : ::unsetenv("XDG_RUNTIME_DIR");
    }

private:
    std::optional<std::string> old_;
};

class LocalServicesTest : public ::testing::Test {
protected:
    int Control(const std::string& name, int value) { return ControlTheService(manager, clock, name, value); }

    TempFolder temp;
    ScopedRuntimeFolder runtime{temp.path().c_str()};
    service::LocalServiceManager manager;
    core::RealClock clock;
};

TEST_F(LocalServicesTest, RunningServiceTakesCodesAndStopsOnRequest) {
    service::LocalServiceHost host("Echo", {"/usr/bin/echo-service", "--flag"});
    ASSERT_TRUE(host.listening());
    std::vector<int> codes;
    std::thread serving([&] { host.serve([&](int code) { codes.push_back(code); }); });

    auto opened = manager.openService("Echo", service::ServiceAccess::all);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->queryStatus(), ServiceState::running);
    EXPECT_EQ(Control("Echo", 193), ServiceDone);
    EXPECT_EQ(Control("Echo", 200), ServiceDone);
    EXPECT_EQ(Control("Echo", kServiceStop), ServiceDone);
    serving.join();

    EXPECT_EQ(codes, (std::vector<int>{193, 200}));
    // Registered still, but nobody answers: stopped, and a second stop is done at once.
    EXPECT_EQ(opened->queryStatus(), ServiceState::stopped);
    EXPECT_EQ(Control("Echo", kServiceStop), ServiceDone);
    EXPECT_EQ(temp.read("services/Echo.command"), std::string("/usr/bin/echo-service\0--flag\0", 29));
}

TEST_F(LocalServicesTest, SecondHostOfTheSameNameStandsBack) {
    service::LocalServiceHost first("Echo", {"/bin/true"});
    std::thread serving([&] { first.serve([](int) {}); });
    service::LocalServiceHost second("Echo", {"/bin/true"});
    EXPECT_FALSE(second.listening());
    first.stop();
    serving.join();
    EXPECT_EQ(manager.openService("Echo", service::ServiceAccess::all)->queryStatus(), ServiceState::stopped);
}

TEST_F(LocalServicesTest, MissingRuntimeFolderOrServiceIsReported) {
    EXPECT_EQ(Control("Nobody", 193), ServiceNotOpened);
    EXPECT_EQ(Control("../escape", 193), ServiceNotOpened);
    {
        ScopedRuntimeFolder none(nullptr);
        EXPECT_EQ(Control("Nobody", 193), ServiceNoManager);
    }
    {
        ScopedRuntimeFolder gone(temp.file("not-there").c_str());
        EXPECT_EQ(Control("Nobody", 193), ServiceNoManager);
    }
}

TEST_F(LocalServicesTest, StoppedServiceWithoutItsCommandRefusesToStart) {
    { service::LocalServiceHost host("Echo", {}); }
    EXPECT_EQ(Control("Echo", kServiceStart), ServiceStartRefused);
}

}  // namespace
