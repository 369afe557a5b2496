#include "audio/device/HeadsetActivation.h"

#include <algorithm>

#include "SdkFixture.h"

namespace {

using namespace std::chrono_literals;

class HeadsetActivationTest : public SdkFixture {
protected:
    // Times of the attach calls the headset saw, and whether each was taken.
    std::vector<std::pair<core::Duration, bool>> Attaches() const {
        std::vector<std::pair<core::Duration, bool>> attaches;
        for (const auto& entry : headset->log().entries()) {
            if (entry.what == "attach") {
                attaches.emplace_back(entry.time, entry.accepted);
            }
        }
        return attaches;
    }
    DeviceIdentity ids{0, 0};
};

TEST_F(HeadsetActivationTest, TheHeadsetInTheListBecomesActiveWithItsIds) {
    Plug();
    EXPECT_TRUE(MakeHeadsetActive(sdk, folder.path(), ActivationMoment::StartUp, ids));
    EXPECT_EQ(ids, (DeviceIdentity{0x0C76, 0x161F}));
    EXPECT_EQ(Attaches().size(), 1u);
    EXPECT_TRUE(debug.empty());
}

TEST_F(HeadsetActivationTest, SetActiveIsRetriedAfter10msAtStartUpAtOnceOnPollAndNotOnArrival) {
    struct Case {
        ActivationMoment moment;
        std::vector<std::pair<core::Duration, bool>> attaches;  // relative to the first
    };
    for (const Case& c : {Case{ActivationMoment::StartUp, {{0ms, false}, {10ms, true}}},
                          Case{ActivationMoment::Poll, {{0ms, false}, {0ms, true}}},
                          Case{ActivationMoment::Arrival, {{0ms, false}}}}) {
        Plug();
        debug.clear();
        headset->failCommand("attach", 1);
        EXPECT_TRUE(MakeHeadsetActive(sdk, folder.path(), c.moment, ids));
        auto attaches = Attaches();
        ASSERT_FALSE(attaches.empty());
        core::Duration first = attaches.front().first;
        for (auto& attach : attaches) {
            attach.first -= first;
        }
        EXPECT_EQ(attaches, c.attaches) << static_cast<int>(c.moment);
        EXPECT_EQ(debug, std::vector<std::string>{"***** fnDLLQ9_SetActive_Device, ret = 2 *****"});
        headset->unplug();
    }
}

TEST_F(HeadsetActivationTest, WithoutTheHeadsetStartUpSearchesTwiceAndTakesIdsZero) {
    auto before = clock.now();
    EXPECT_FALSE(MakeHeadsetActive(sdk, folder.path(), ActivationMoment::StartUp, ids));
    EXPECT_EQ(ids, (DeviceIdentity{0, 0}));
    EXPECT_EQ(debug.size(), 2u);  // SetActive with 0 and 0, and its retry
    EXPECT_EQ(clock.now() - before, core::Duration(10ms));

    ids = DeviceIdentity{};
    debug.clear();
    EXPECT_FALSE(MakeHeadsetActive(sdk, folder.path(), ActivationMoment::Arrival, ids));
    EXPECT_EQ(ids, DeviceIdentity{});
    EXPECT_TRUE(debug.empty());
}

TEST_F(HeadsetActivationTest, AHeadsetOutsideTheListIsNotFound) {
    sim::HeadsetModel model;
    model.productId = 0x1710;
    model.hardwareId = "USB\\VID_0C76&PID_1710&REV_0100&MI_00";
    Plug(model);
    EXPECT_FALSE(MakeHeadsetActive(sdk, folder.path(), ActivationMoment::Poll, ids));
    EXPECT_TRUE(Attaches().empty());
}

TEST_F(HeadsetActivationTest, NoiseCancellationOffRefusedFiveTimesFailsFiveTriesThenTenTriesTakeIt) {
    Plug();
    ASSERT_TRUE(MakeHeadsetActive(sdk, folder.path(), ActivationMoment::Arrival, ids));
    headset->failCommand("audio command 4/0", 5);
    EXPECT_FALSE(SendNoiseCancellationOff(sdk, 5));
    EXPECT_TRUE(SendNoiseCancellationOff(sdk, 10));
    auto lines = Lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "!audio command 4/0 off"), 5);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "audio command 4/0 off"), 1);
}

}  // namespace
