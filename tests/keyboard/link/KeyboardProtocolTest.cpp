#include "keyboard/link/KeyboardProtocol.h"

#include <filesystem>
#include <thread>

#include "keyboard/link/LinkFixture.h"

namespace {

using namespace std::chrono_literals;
using sim::ReportCall;

class KeyboardProtocolTest : public LinkFixture {
protected:
    void SetUp() override {
        LinkFixture::SetUp();
        PlugKeyboard();
    }
    // The macro in slot `slot` of profile p, kept by the keyboard under `name`
    // (empty: recorded on the keyboard, no name) and listed in its key map.
    void KeyboardMacro(int p, int slot, const std::string& name, std::vector<std::uint8_t> pairs) {
        keyboard->change([&](sim::KeyboardFirmware& firmware) {
            sim::FirmwareMacro& macro = firmware.profiles[p].macros[slot];
            macro = {};
            if (name.empty()) {
                macro.name[0] = macro.name[1] = 0xFF;
            }
            std::copy(name.begin(), name.end(), macro.name.begin());
            macro.pairCount = static_cast<std::uint8_t>(pairs.size() / 2);
            std::copy(pairs.begin(), pairs.end(), macro.pairs.begin());
            firmware.profiles[p].gKeys[3 * slot] = 0x01;
            firmware.profiles[p].gKeys[3 * slot + 1] = 0x00;
            firmware.profiles[p].gKeys[3 * slot + 2] = 0x00;
        });
    }
    // Each logged call as (set/get, report id, profile byte, time since `from` in ms).
    struct Step {
        ReportCall call;
        std::uint8_t id;
        std::uint8_t profile;
        long ms;
        bool operator==(const Step&) const = default;
    };
    std::vector<Step> Steps(core::Duration from) {
        std::vector<Step> steps;
        for (const auto& entry : Log()) {
            std::uint8_t profile = entry.bytes.size() > 2 ? entry.bytes[entry.bytes[0] == 0x04 ? 1 : 2] : 0;
            steps.push_back(
                {entry.call, entry.bytes[0], profile,
                 static_cast<long>(
                     std::chrono::duration_cast<std::chrono::milliseconds>(entry.time - from).count())});
        }
        return steps;
    }
};

constexpr auto Set = ReportCall::SetFeature;
constexpr auto Get = ReportCall::GetFeature;

TEST_F(KeyboardProtocolTest, InitialSyncTakesExactlyTheProtocolPauses) {
    KeyboardMacro(0, 0, "Alpha", {0x04, 0x00, 0x04, 0x80});
    KeyboardMacro(1, 3, "Beta", {0x01, 0x02, 0x05, 0x85});
    KeyboardMacro(2, 5, "", {0x06, 0x00});
    link->Discover();
    keyboard->log().clear();
    core::Duration start = clock.now();
    protocol.InitialSync();

    std::vector<Step> expected = {{Get, 0x05, 0, 0}};
    long t = 0;
    for (std::uint8_t id : {0x07, 0x06}) {
        for (std::uint8_t p = 0; p < 3; ++p, t += 16) {
            expected.push_back({Set, 0x04, p, t});
            expected.push_back({Get, id, p, t + 8});
        }
    }
    for (std::uint8_t p : {0, 1, 2}) {
        expected.push_back({Set, 0x04, p, t});
        expected.push_back({Get, 0x08, p, t + 8});
        t += 16;
    }
    expected.push_back({Set, 0x08, 2, t});  // the unnamed one goes back with its new name
    EXPECT_EQ(Steps(start), expected);
    EXPECT_EQ(clock.now() - start, 96ms + 3 * 16ms + 350ms);

    EXPECT_EQ(profiles.Record(2).gKeys[5].name, "Profile3_G6");
    ASSERT_EQ(library.sets[0].macros.size(), 3u);
    EXPECT_EQ(library.sets[0].macros[1].name, "Beta");
    EXPECT_EQ(Actions(library.sets[0].macros[1]),
              (std::vector<MacroActionBytes>{{3, 0, 0, 168}, {0x42, 0x80, 0, 0}}));
    EXPECT_TRUE(LibrarySaved());
    EXPECT_FALSE(model.MacrosModified());
    EXPECT_EQ(owner.refreshes, 1);
    auto written = keyboard->firmware().profiles[2].macros[5];
    EXPECT_EQ(std::string(written.name.begin(), written.name.begin() + 11), "Profile3_G6");
}

// A library the sync could not write stays marked until a write succeeds, so
// the next Apply writes it.
TEST_F(KeyboardProtocolTest, LibraryThatCannotBeWrittenAfterTheSyncStaysMarked) {
    KeyboardMacro(0, 0, "Alpha", {0x04, 0x00});
    std::filesystem::create_directories(folder.file("config/MacroLibraryFile.mlf/blocked"));
    link->Discover();
    protocol.InitialSync();
    EXPECT_TRUE(model.MacrosModified());

    std::filesystem::remove_all(folder.file("config/MacroLibraryFile.mlf"));
    EXPECT_TRUE(model.SaveMacroLibrary());
    EXPECT_FALSE(model.MacrosModified());
    EXPECT_NE(folder.read("config/MacroLibraryFile.mlf").find("MacroKey0Name=Alpha"), std::string::npos);
}

TEST_F(KeyboardProtocolTest, UnnamedMacroOfProfileTwoGThreeIsProfile3_G3) {
    KeyboardMacro(2, 2, "", {0x04, 0x00});
    link->Discover();
    profiles.Record(2).gKeys[2].function = KeyFunction{0x01, 0x00, 0x00};
    ASSERT_TRUE(protocol.ReadMacro(2, 2));
    EXPECT_EQ(profiles.Record(2).gKeys[2].name, "Profile3_G3");
    ASSERT_EQ(library.sets[0].macros.size(), 1u);
    EXPECT_EQ(library.sets[0].macros[0].name, "Profile3_G3");
    EXPECT_TRUE(model.MacrosModified());

    profiles.Record(2).gKeys[3].function = KeyFunction{0x06, 0x01, 0x20};  // not a macro: nothing is read
    keyboard->log().clear();
    EXPECT_FALSE(protocol.ReadMacro(2, 3));
    EXPECT_TRUE(Log().empty());
}

TEST_F(KeyboardProtocolTest, ProfileFoursLightingGoesToOnBoardProfileZero) {
    link->Discover();
    SetSettingValues(4, {"P5", "9", "3", "2", "1", "2", "3", "4", "5"});
    keyboard->log().clear();
    ASSERT_TRUE(protocol.WriteLighting(4));
    EXPECT_EQ(Log().at(0).bytes, (std::vector<std::uint8_t>{0x07, 0x08, 0x00, 0x00, 0x39, 0x21, 0x23, 0x45}));
    EXPECT_EQ(keyboard->firmware().profiles[0].lighting,
              (std::array<std::uint8_t, 4>{0x39, 0x21, 0x23, 0x45}));
}

TEST_F(KeyboardProtocolTest, ApplySendsLightingThenKeyMapsThenMacrosWithTheirPauses) {
    link->Discover();
    profiles.Record(0).gKeys[1].name = "Go";
    model.StoreMacro("Go", LinkModel::Macro{true, 2, 1, {{0x41, 0x00, 0, 0}}});
    profiles.Record(1).keyMap[0] = 0x29;
    pending.Mark(PendingWrites::kLighting, 1);
    pending.Mark(PendingWrites::kFirstMacro + 1, 0);  // G2 of profile 0
    pending.Mark(PendingWrites::kKeyMap, 1);
    pending.Mark(PendingWrites::kLighting, 0);
    pending.Mark(PendingWrites::kKeyMap, 2);
    pending.Mark(PendingWrites::kLighting, 4);  // not an on-board profile: stays for later
    keyboard->log().clear();
    core::Duration start = clock.now();
    protocol.FlushPendingWrites();

    EXPECT_EQ(Steps(start), (std::vector<Step>{{Set, 0x07, 0, 0},
                                               {Set, 0x07, 1, 15},
                                               {Set, 0x06, 1, 30},
                                               {Set, 0x06, 2, 380},
                                               {Set, 0x08, 0, 730}}));
    EXPECT_EQ(clock.now() - start, 1080ms);
    auto firmware = keyboard->firmware();
    EXPECT_EQ(firmware.profiles[1].keyMap[0], 0x29);
    EXPECT_EQ(firmware.profiles[0].macros[1].loop, 2);
    EXPECT_EQ(firmware.profiles[0].macros[1].pairCount, 1);
    EXPECT_EQ(firmware.profiles[0].macros[1].pairs[0], 0x04);
    EXPECT_EQ(Log().back().bytes[3], 1);  // G-key index
    EXPECT_TRUE(pending.IsMarked(PendingWrites::kLighting, 4));
    pending.Take(PendingWrites::kLighting, 4);
    EXPECT_FALSE(pending.AnyMarked());
}

TEST_F(KeyboardProtocolTest, WritesTheKeyMapWithTheSixFunctions) {
    link->Discover();
    for (int i = 0; i < 160; ++i) {
        profiles.Record(3).keyMap[i] = static_cast<std::uint8_t>(0xFF - i);
    }
    profiles.Record(3).gKeys[5].function = KeyFunction{0x02, 0xA1, 0x00};
    keyboard->log().clear();
    ASSERT_TRUE(protocol.WriteKeyMap(3));
    auto bytes = Log().at(0).bytes;
    ASSERT_EQ(bytes.size(), 192u);
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 9)),
              (std::vector<std::uint8_t>{0x06, 0xB8, 0x03, 0, 0, 0, 0, 0, 0xFF}));
    EXPECT_EQ(bytes[167], 0xFF - 159);
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 183, bytes.begin() + 186)),
              (std::vector<std::uint8_t>{0x02, 0xA1, 0x00}));
    EXPECT_EQ(keyboard->firmware().profiles[0].keyMap[0], 0xFF);  // not there: 3 AND 3 is no profile

    profiles.Record(0).gKeys[0].name = "Missing";  // a slot whose macro is not in the library
    EXPECT_FALSE(protocol.WriteMacro(0, 0));
    EXPECT_FALSE(protocol.WriteMacro(0, 6));
    EXPECT_FALSE(protocol.ReadLighting(5));
}

TEST_F(KeyboardProtocolTest, FailedReadsLeaveTheModelAlone) {
    link->Discover();
    keyboard->refuseReports(true);
    ProfileRecord before = profiles.Record(1);
    EXPECT_FALSE(protocol.ReadLighting(1));
    EXPECT_FALSE(protocol.ReadKeyMap(1));
    EXPECT_EQ(profiles.Record(1).settings, before.settings);
    EXPECT_EQ(profiles.Record(1).keyMap, before.keyMap);
    EXPECT_EQ(link->GetDeviceProfile(), 0);  // a failed profile read gives 0
}

TEST_F(KeyboardProtocolTest, SelectAndReadStayTogetherAcrossThreads) {
    link->Discover();
    keyboard->change([](sim::KeyboardFirmware& firmware) {
        for (std::uint8_t p = 0; p < 3; ++p) {
            firmware.profiles[p].lighting = {static_cast<std::uint8_t>(p), 0, 0, 0};
        }
    });
    auto reader = [&](int p) {
        for (int i = 0; i < 50; ++i) {
            protocol.ReadLighting(p);
        }
    };
    std::thread other(reader, 2);
    reader(1);
    other.join();
    auto log = Log();
    for (std::size_t i = 0; i + 1 < log.size(); i += 2) {
        ASSERT_EQ(log[i].bytes[0], 0x04);
        EXPECT_EQ(log[i + 1].bytes[0], 0x07);
        EXPECT_EQ(log[i + 1].bytes[4], log[i].bytes[1]);
    }
}

class DeviceEventTest : public KeyboardProtocolTest {
protected:
    void SetUp() override {
        KeyboardProtocolTest::SetUp();
        keyboard->change([](sim::KeyboardFirmware& firmware) { firmware.currentProfile = 1; });
        Start();
        ASSERT_TRUE(WaitUntilListening());
        owner.refreshes = 0;
    }
    void Event(std::uint8_t code, std::uint8_t value) {
        keyboard->sendEvent(code, value);
        ASSERT_TRUE(owner.RunWhenPosted());
    }
};

TEST_F(DeviceEventTest, StatusEvents) {
    struct Case {
        std::uint8_t code, value;
        std::vector<std::uint32_t> status;
    };
    for (Case c : {Case{0x03, 0, {4}}, Case{0x03, 1, {5}}, Case{0x09, 0, {6}}, Case{0x09, 7, {7}},
                   Case{0x08, 1, {}}}) {
        owner.statusMessages.clear();
        Event(c.code, c.value);
        EXPECT_EQ(owner.statusMessages, c.status) << int(c.code) << "/" << int(c.value);
    }
    EXPECT_EQ(owner.refreshes, 0);
    EXPECT_TRUE(Log().empty());  // nothing is sent back
}

TEST_F(DeviceEventTest, LightingKeysStoreIntoTheCurrentProfile) {
    Event(0x02, 2);
    Event(0x06, 11);
    Event(0x07, 3);
    EXPECT_EQ(profiles.Record(1).settings[3].value, "2");
    EXPECT_EQ(profiles.Record(1).settings[1].value, "11");
    EXPECT_EQ(profiles.Record(1).settings[2].value, "3");
    EXPECT_EQ(owner.refreshes, 3);
    EXPECT_TRUE(Log().empty());

    keyboard->change([](sim::KeyboardFirmware& firmware) {
        firmware.profiles[1].lighting = {0x2A, 0x13, 0, 0};
    });
    Event(0x0A, 0);
    EXPECT_EQ(Steps(core::Duration::zero()).size(), 2u);
    EXPECT_EQ(profiles.Record(1).settings[1].value, "10");
    EXPECT_EQ(profiles.Record(1).settings[4].value, "3");
}

TEST_F(DeviceEventTest, ProfileKeySwitchesOnlyToTheThreeOnBoardProfiles) {
    Event(0x05, 3);
    EXPECT_EQ(link->deviceProfile, 2);
    EXPECT_EQ(settings.CurrentProfile(), 2);
    EXPECT_EQ(owner.statusMessages, std::vector<std::uint32_t>{3});
    EXPECT_EQ(owner.refreshes, 1);
    for (std::uint8_t value : {0, 4, 6, 0xFF}) {
        Event(0x05, value);
    }
    EXPECT_EQ(link->deviceProfile, 2);
    EXPECT_EQ(owner.statusMessages.size(), 1u);
}

TEST_F(DeviceEventTest, QuickLaunchStartsTheSlotsProgram) {
    profiles.Record(1).gKeys[3].launchPath = "/usr/bin/true";
    Event(0x04, 4);
    Event(0x04, 0);  // no slot 0 or 7: nothing
    Event(0x04, 7);
    EXPECT_EQ(owner.launches, std::vector<std::string>{"/usr/bin/true"});
}

TEST_F(DeviceEventTest, MacroRecordedOnTheKeyboardIsFetchedNamedAndSentBack) {
    keyboard->recordMacro(2, {{0x04, 0x00}, {0x01, 0x02}, {0x04, 0x85}}, 0);
    ASSERT_TRUE(owner.RunWhenPosted());
    ASSERT_FALSE(Log().empty());
    EXPECT_EQ(Steps(Log()[0].time),
              (std::vector<Step>{{Set, 0x04, 1, 0}, {Get, 0x08, 1, 8}, {Set, 0x08, 1, 16}}));
    EXPECT_EQ(profiles.Record(1).gKeys[1].name, "Profile2_G2");
    EXPECT_EQ(profiles.Record(1).gKeys[1].function.Bytes(), (std::array<std::uint8_t, 3>{0x01, 0x00, 0x00}));
    ASSERT_EQ(library.sets[0].macros.size(), 1u);
    EXPECT_FALSE(library.sets[0].macros[0].loopEnable);
    EXPECT_EQ(Actions(library.sets[0].macros[0]),
              (std::vector<MacroActionBytes>{{0x41, 0x00, 0, 0}, {3, 0, 0, 168}, {0x41, 0x80, 0, 0}}));
    EXPECT_EQ(SavedProfiles(), std::vector<int>{1});
    EXPECT_TRUE(LibrarySaved());
    EXPECT_EQ(owner.refreshes, 1);
    auto stored = keyboard->firmware().profiles[1].macros[1];
    EXPECT_EQ(std::string(stored.name.begin(), stored.name.begin() + 11), "Profile2_G2");
    EXPECT_EQ(stored.pairCount, 3);

    Event(0x01, 7);  // no G7: ignored
    Event(0x01, 0);
    EXPECT_EQ(library.sets[0].macros.size(), 1u);
}

TEST_F(DeviceEventTest, KeyboardEventsWaitForAKnownProfile) {
    link->deviceProfile = 7;  // after the closing signal, before a new sync
    Event(0x02, 2);
    Event(0x0A, 0);
    Event(0x03, 0);
    EXPECT_EQ(profiles.Record(1).settings[3].value, "1");
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(owner.statusMessages, std::vector<std::uint32_t>{4});  // the locks still show
}

}  // namespace
