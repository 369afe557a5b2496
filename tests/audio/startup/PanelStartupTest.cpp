#include <gtest/gtest.h>

#include <cstdlib>
#include <future>
#include <string>
#include <vector>

#include "audio/startup/PanelInstance.h"
#include "audio/startup/PanelSwitches.h"
#include "audio/startup/ServiceControlRun.h"
#include "platform/core/DebugOutput.h"
#include "platform/service/SimulatedServiceManager.h"
#include "support/TempFolder.h"

namespace {

using Strings = std::vector<std::string>;

class PanelStartupTest : public ::testing::Test {
protected:
    PanelStartupTest() {
        core::setDebugSink([this](std::string_view text) { debug.emplace_back(text); });
    }
    ~PanelStartupTest() override { core::setDebugSink({}); }

    Strings debug;
};

TEST_F(PanelStartupTest, FirstRecognisedSwitchWins) {
    struct Case {
        Strings arguments;
        PanelSwitch expected;
    } cases[] = {
        {{"/opt/sonvair-app"}, PanelSwitch::None},
        {{"/opt/sonvair-app", "-SERVICEstart"}, PanelSwitch::ServiceStart},
        {{"/opt/sonvair-app", "-servicestart", "-boot"}, PanelSwitch::ServiceStart},
        {{"/opt/sonvair-app", "--simulate", "-Boot", "-servicestart"}, PanelSwitch::Boot},
        {{"/opt/sonvair-app", "", "-serviceboot"}, PanelSwitch::ServiceBoot},
        {{"/opt/sonvair-app", "-service", "boot", "-servicestart "}, PanelSwitch::None},
        {{"-boot"}, PanelSwitch::None},  // the program's own path is no switch
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParsePanelSwitches(c.arguments), c.expected) << c.arguments.back();
    }
}

TEST_F(PanelStartupTest, EveryArgumentIsLoggedThenEachOneTested) {
    ParsePanelSwitches({"/opt/sonvair-app", "--Simulate", "", "-ServiceBoot", "-boot"});
    EXPECT_EQ(debug, (Strings{"ParamStr(0) = /opt/sonvair-app\n", "ParamStr(1) = --Simulate\n",
                              "ParamStr(2) = \n", "ParamStr(3) = -ServiceBoot\n", "ParamStr(4) = -boot\n",
                              "--simulate", "-serviceboot"}));
}

TEST_F(PanelStartupTest, ServiceControlRunsSendTheirCodeAndLogTheResult) {
    service::SimulatedServiceManager manager;
    core::VirtualClock clock;
    EXPECT_EQ(RunServiceControl(PanelSwitch::None, manager, clock), 0);
    auto& audio = manager.add("AudioDeviceService");
    EXPECT_EQ(RunServiceControl(PanelSwitch::Boot, manager, clock), 0);
    EXPECT_EQ(RunServiceControl(PanelSwitch::None, manager, clock), 0);

    EXPECT_EQ(audio.controls, (std::vector<int>{196, 193}));
    EXPECT_EQ(debug,
              (Strings{"===== Service Control Execution no service =====\n", "ControlTheService ret = 2\n",
                       "===== Service Control Execution -boot =====\n", "ControlTheService ret = 0\n",
                       "===== Service Control Execution no service =====\n", "ControlTheService ret = 0\n"}));
}

TEST_F(PanelStartupTest, SecondPanelAsksTheFirstToTheFrontAndGetsNoLock) {
    TempFolder runtime;
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    auto first = ClaimPanelInstance();
    ASSERT_NE(first, nullptr);

    std::promise<void> asked;
    first->onActivationRequest([&] { asked.set_value(); });
    EXPECT_EQ(ClaimPanelInstance(), nullptr);
    EXPECT_EQ(asked.get_future().wait_for(std::chrono::seconds(10)), std::future_status::ready);

    first.reset();
    EXPECT_NE(ClaimPanelInstance(), nullptr);
    ::unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
