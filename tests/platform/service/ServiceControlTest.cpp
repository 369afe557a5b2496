#include "platform/service/ServiceControl.h"

#include <gtest/gtest.h>

#include "platform/service/SimulatedServiceManager.h"

namespace {

using service::ServiceAccess;
using service::ServiceState;
using service::SimulatedService;

constexpr const char* kName = "AudioDeviceService";

class ServiceControlTest : public ::testing::Test {
protected:
    int Control(int value) { return ControlTheService(manager, clock, kName, value); }

    service::SimulatedServiceManager manager;
    core::VirtualClock clock;
    SimulatedService& audio = manager.add(kName);
};

TEST_F(ServiceControlTest, StopOnAServiceThatNeverStopsPollsNineSeconds) {
    audio.pendingQueries = SimulatedService::kNever;
    EXPECT_EQ(Control(kServiceStop), ServiceNotStopped);
    EXPECT_EQ(clock.now(), core::Milliseconds(9000));
    EXPECT_EQ(audio.queries, 1 + 30);
    EXPECT_EQ(audio.stops, 1);
}

TEST_F(ServiceControlTest, StartAndStopWaitOnlyUntilTheStateIsReached) {
    audio.pendingQueries = 4;
    EXPECT_EQ(Control(kServiceStop), ServiceDone);
    EXPECT_EQ(clock.now(), core::Milliseconds(4 * 300));
    EXPECT_EQ(audio.state, ServiceState::stopped);

    EXPECT_EQ(Control(kServiceStop), ServiceDone);  // already stopped: nothing sent
    EXPECT_EQ(audio.stops, 1);

    audio.pendingQueries = SimulatedService::kNever;
    EXPECT_EQ(Control(kServiceStart), ServiceNotRunning);
    audio.pendingQueries = 0;
    EXPECT_EQ(Control(kServiceStart), ServiceDone);
    EXPECT_EQ(Control(kServiceStart), ServiceDone);  // already running
    EXPECT_EQ(audio.starts, 2);
    EXPECT_TRUE(audio.controls.empty());
}

TEST_F(ServiceControlTest, EachFailingStepHasItsResult) {
    struct Case {
        const char* name;
        void (*arrange)(service::SimulatedServiceManager&, SimulatedService&);
        int control;
        int expected;
    } cases[] = {
        {"no manager", [](auto& m, auto&) { m.setAvailable(false); }, 193, ServiceNoManager},
        {"no query", [](auto&, auto& s) { s.failsQueries = true; }, 193, ServiceNoStatus},
        {"stop refused", [](auto&, auto& s) { s.refusesStop = true; }, kServiceStop, ServiceStopRefused},
        {"start refused",
         [](auto&, auto& s) {
             s.state = ServiceState::stopped;
             s.refusesStart = true;
         },
         kServiceStart, ServiceStartRefused},
        {"code to a stopped service", [](auto&, auto& s) { s.state = ServiceState::stopped; }, 196,
         ServiceDone},
    };
    for (const Case& c : cases) {
        service::SimulatedServiceManager fresh;
        SimulatedService& target = fresh.add(kName);
        c.arrange(fresh, target);
        EXPECT_EQ(ControlTheService(fresh, clock, kName, c.control), c.expected) << c.name;
    }
    EXPECT_EQ(ControlTheService(manager, clock, "OtherService", 193), ServiceNotOpened);
}

TEST_F(ServiceControlTest, CodesAreSentUncheckedWithNarrowAccess) {
    for (int code : {193, 196, 128, 255}) {
        EXPECT_EQ(Control(code), ServiceDone);
    }
    EXPECT_EQ(clock.now(), core::Milliseconds(0));  // nothing waited for
    Control(kServiceStop);
    EXPECT_EQ(audio.controls, (std::vector<int>{193, 196, 128, 255}));
    EXPECT_EQ(audio.openedWith, (std::vector<ServiceAccess>{
                                    ServiceAccess::queryAndUserControl, ServiceAccess::queryAndUserControl,
                                    ServiceAccess::queryAndUserControl, ServiceAccess::queryAndUserControl,
                                    ServiceAccess::all}));
}

}  // namespace
