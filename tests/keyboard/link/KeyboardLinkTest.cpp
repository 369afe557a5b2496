#include "keyboard/link/KeyboardLink.h"

#include "keyboard/link/LinkFixture.h"

namespace {

using sim::ReportCall;

class KeyboardLinkTest : public LinkFixture {};

TEST_F(KeyboardLinkTest, DiscoveryProbesMemberIndexesUpTo29) {
    struct Case {
        std::size_t eventIndex;
        bool connected;
        bool commandOpen;
    };
    // The command interface follows the event interface.
    for (Case c :
         {Case{0, true, true}, Case{28, true, true}, Case{29, true, false}, Case{30, false, false}}) {
        SCOPED_TRACE(c.eventIndex);
        hid::SimBus caseBus;
        auto caseKeyboard = std::make_shared<sim::EmulatedKeyboard>();
        auto fillers = sim::EmulatedKeyboard::plugAt(caseBus, caseKeyboard, c.eventIndex);
        KeyboardLink caseLink(owner, caseBus);
        caseLink.Discover();
        EXPECT_EQ(caseLink.connected, c.connected);
        EXPECT_EQ(caseLink.commandHandle.IsOpen(), c.commandOpen);
        if (c.commandOpen) {
            EXPECT_EQ(caseLink.commandIndex, c.eventIndex + 1);
            EXPECT_EQ(caseLink.eventIndex, c.eventIndex);
        }
    }
}

TEST_F(KeyboardLinkTest, StartWithoutKeyboardThenPlugInSyncsOnArrival) {
    Start();
    EXPECT_FALSE(link->connected);
    EXPECT_EQ(link->deviceProfile, -1);
    EXPECT_TRUE(owner.attentions.empty());

    keyboard->change([](sim::KeyboardFirmware& firmware) {
        firmware.currentProfile = 1;
        firmware.profiles[2].lighting = {0x23, 0x15, 0x67, 0x89};
    });
    PlugKeyboard();
    owner.RunPending();
    EXPECT_TRUE(link->connected);
    EXPECT_TRUE(link->commandHandle.IsOpen());
    EXPECT_EQ(link->deviceProfile, 1);
    EXPECT_EQ(settings.CurrentProfile(), 1);
    EXPECT_FALSE(link->needsSync);
    // 0x23: brightness 2, mode 3; 0x15: speed 1, area 1 = 5; and so on.
    EXPECT_EQ(SettingValues(2),
              (std::array<std::string, 9>{"Default3", "3", "2", "1", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(Log().front().bytes, (std::vector<std::uint8_t>{0x05, 0x03, 0x01}));
}

// The select profiles of all lighting and key-map reads in a log.
std::vector<std::pair<std::uint8_t, std::uint8_t>> ProfileReads(const std::vector<sim::LoggedReport>& log) {
    std::vector<std::pair<std::uint8_t, std::uint8_t>> reads;
    for (std::size_t i = 1; i < log.size(); ++i) {
        if (log[i].call == ReportCall::GetFeature && log[i - 1].bytes[0] == 0x04) {
            reads.emplace_back(log[i].bytes[0], log[i - 1].bytes[1]);
        }
    }
    return reads;
}

TEST_F(KeyboardLinkTest, UnplugWarnsOnceAndReplugReadsAllThreeProfilesAgain) {
    PlugKeyboard();
    Start();
    ASSERT_TRUE(link->connected);

    bus.unplug(*keyboard);
    owner.RunPending();  // one removal per interface
    EXPECT_EQ(owner.attentions, std::vector<std::string>{"The keyboard is disconnection"});
    EXPECT_FALSE(link->connected);
    EXPECT_TRUE(link->needsSync);
    EXPECT_FALSE(link->commandHandle.IsOpen());

    PlugKeyboard();
    owner.RunPending();
    EXPECT_TRUE(link->connected);
    EXPECT_EQ(ProfileReads(Log()), (std::vector<std::pair<std::uint8_t, std::uint8_t>>{
                                       {0x07, 0}, {0x07, 1}, {0x07, 2}, {0x06, 0}, {0x06, 1}, {0x06, 2}}));
    EXPECT_EQ(owner.attentions.size(), 1u);

    // The new listener hears the keyboard.
    ASSERT_TRUE(WaitUntilListening());
    keyboard->sendEvent(0x03, 0);
    ASSERT_TRUE(owner.RunWhenPosted());
    EXPECT_EQ(owner.statusMessages, std::vector<std::uint32_t>{4});
}

TEST_F(KeyboardLinkTest, RemovingAnotherDeviceKeepsTheKeyboardQuietly) {
    PlugKeyboard(2);
    Start();
    bus.unplug(*others[0]);
    owner.RunPending();
    EXPECT_TRUE(link->connected);
    EXPECT_TRUE(link->commandHandle.IsOpen());
    EXPECT_EQ(link->commandIndex, 2u);  // rediscovered one place further up
    EXPECT_TRUE(owner.attentions.empty());
}

TEST_F(KeyboardLinkTest, ShutdownSendsProfileSevenThenWaitsAndCloses) {
    PlugKeyboard();
    Start();
    auto before = clock.now();
    link->Shutdown();
    auto log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].bytes, (std::vector<std::uint8_t>{0x05, 0x03, 0x07}));
    EXPECT_TRUE(log[0].accepted);
    EXPECT_EQ(clock.now() - before, std::chrono::milliseconds(15 + 10));
    EXPECT_FALSE(link->commandHandle.IsOpen());
    EXPECT_EQ(keyboard->firmware().currentProfile, 7);
}

TEST_F(KeyboardLinkTest, WithoutKeyboardEveryOperationFailsAndFlagsStillClear) {
    Start();
    EXPECT_EQ(link->GetDeviceProfile(), -1);
    EXPECT_FALSE(link->SetDeviceProfile(1));
    EXPECT_FALSE(protocol.ReadLighting(0));
    EXPECT_FALSE(protocol.WriteLighting(0));
    EXPECT_FALSE(protocol.ReadKeyMap(0));
    EXPECT_FALSE(protocol.WriteKeyMap(0));
    profiles.Record(0).gKeys[0].function = KeyFunction{0x01, 0, 0};
    profiles.Record(0).gKeys[0].name = "M";
    model.StoreMacro("M", LinkModel::Macro{});
    EXPECT_FALSE(protocol.ReadMacro(0, 0));
    EXPECT_FALSE(protocol.WriteMacro(0, 0));

    for (int row = 0; row < PendingWrites::kRows; ++row) {
        for (int p = 0; p < 3; ++p) {
            pending.Mark(row, p);
        }
    }
    protocol.FlushPendingWrites();
    EXPECT_FALSE(pending.AnyMarked());
    EXPECT_EQ(clock.now(), core::Duration::zero());  // no pause without a keyboard
}

}  // namespace
