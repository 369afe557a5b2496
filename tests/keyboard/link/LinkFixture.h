#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "keyboard/link/DefaultModel.h"
#include "keyboard/link/KeyboardLink.h"
#include "keyboard/link/KeyboardProtocol.h"
#include "keyboard/link/TestOwner.h"
#include "platform/core/Clock.h"
#include "platform/hid/sim/SimBus.h"
#include "sim/keyboard/EmulatedKeyboard.h"
#include "support/TempFolder.h"

// The configurator's link with an emulated keyboard on a simulated bus, on a
// virtual clock: pauses cost no time and the report log shows them exactly.
class LinkFixture : public ::testing::Test {
protected:
    void SetUp() override { core::installClock(&clock); }
    void TearDown() override {
        link.reset();
        core::installClock(nullptr);
    }

    void PlugKeyboard(std::size_t eventIndex = 0) {
        auto more = sim::EmulatedKeyboard::plugAt(bus, keyboard, eventIndex);
        others.insert(others.end(), more.begin(), more.end());
    }
    // What the main window does at start.
    void Start() {
        link->RegisterForDeviceChanges();
        link->Discover();
        protocol.InitialSync();
        owner.RunPending();
        keyboard->log().clear();
    }
    // Input sent before the listener has its handle open is lost, as on a real bus.
    bool WaitUntilListening() {
        for (int i = 0; i < 1000 && !link->listening; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return link->listening;
    }
    std::vector<sim::LoggedReport> Log() { return keyboard->log().entries(); }

    std::array<std::string, 9> SettingValues(int profile) const {
        std::array<std::string, 9> values;
        for (int i = 0; i < 9; ++i)
            values[static_cast<std::size_t>(i)] = profiles.Record(profile).Setting(i);
        return values;
    }
    void SetSettingValues(int profile, const std::array<std::string, 9>& values) {
        for (int i = 0; i < 9; ++i)
            profiles.Record(profile).SetSetting(i, values[static_cast<std::size_t>(i)]);
    }
    static std::vector<MacroActionBytes> Actions(const MacroKey& macro) {
        std::vector<MacroActionBytes> actions;
        for (std::uint32_t i = 0; i < macro.actionCount; ++i)
            actions.push_back(macro.actions[i].bytes);
        return actions;
    }
    // Which profile files and whether the library were written.
    std::vector<int> SavedProfiles() const {
        std::vector<int> saved;
        for (int p = 0; p < ProfileRecords::kCount; ++p) {
            if (folder.exists("config/default" + std::to_string(p) + ".psf"))
                saved.push_back(p);
        }
        return saved;
    }
    bool LibrarySaved() const { return folder.exists("config/MacroLibraryFile.mlf"); }

    core::VirtualClock clock;
    hid::SimBus bus;
    std::shared_ptr<sim::EmulatedKeyboard> keyboard = std::make_shared<sim::EmulatedKeyboard>();
    std::vector<std::shared_ptr<hid::SimulatedDevice>> others;
    TestOwner owner;
    TempFolder folder;
    DefaultModel data{folder.path()};
    AppSettings& settings = data.settings;
    ProfileRecords& profiles = data.profiles;
    MacroLibrary& library = data.library;
    ModelBinding& model = data.model;
    PendingWrites pending;
    std::unique_ptr<KeyboardLink> link = std::make_unique<KeyboardLink>(owner, bus);
    KeyboardProtocol protocol{*link, model, owner, pending};
};
