#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "audio/mainform/TAudioMainForm.h"
#include "platform/core/ProgramFolder.h"
#include "platform/forms/FormScenario.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TImage.h"
#include "platform/ui/headless/Driver.h"
#include "sim/headset/EmulatedHeadset.h"
#include "sim/headset/Machine.h"
#include "support/TempFolder.h"

// The whole panel on the emulated headset, headless: a program folder made of
// the shipped one (its configuration copied, so a test may change it), fresh
// per-user folders, and the form opened and closed as the program does.
class PanelFixture : public ::testing::Test {
protected:
    PanelFixture() {
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
        ::unsetenv("APPDATA");
        namespace fs = std::filesystem;
        const fs::path shipped = core::executableFolder();
        for (const char* entry : {"Language", "Skin", "forms", "SonvairApp.png", "libDLLQ9_Sonvair16xx_x32.so"}) {
            fs::create_symlink(shipped / entry, fs::path(folder.path()) / entry);
        }
        fs::copy_file(shipped / "AudioConfig.cfg", folder.file("AudioConfig.cfg"));
        headset->plugInto(machine);
    }
    ~PanelFixture() override {
        form.reset();
        ::unsetenv("XDG_RUNTIME_DIR");
        ::unsetenv("XDG_CONFIG_HOME");
    }

    void Open() {
        form = forms::Application->CreateForm<TAudioMainForm>(
            folder.path(), std::vector<std::string>{"sonvair-app", "-servicestart"});
        form->Show();
        driver.activate(*form);
        driver.runUntilIdle();
    }
    // Closed as the tray menu's Close does: the form is destroyed.
    void Close() {
        form.reset();
        driver.runUntilIdle();
    }

    // A key of the program copy of the configuration, replaced in its text.
    void Configure(const std::string& from, const std::string& to) {
        std::string text = folder.read("AudioConfig.cfg");
        text.replace(text.find(from), from.size(), to);
        folder.write("AudioConfig.cfg", text);
    }
    // Where the per-user profiles lie (the install folder under the config home).
    std::string ProfileFile(const std::string& name) const { return config.file("SonvairApp/" + name); }

    template <typename T = forms::TControl>
    T& Control(const std::string& name) {
        auto* control = form->Find<T>(name);
        EXPECT_NE(control, nullptr) << name;
        return *control;
    }
    bool Click(const std::string& name) {
        std::string error;
        const bool done = forms::clickControl(driver, name, error);
        EXPECT_TRUE(done) << error;
        return done;
    }
    bool Drag(const std::string& name, int dx, int dy) {
        std::string error;
        const bool done = forms::dragControl(driver, name, {dx, dy}, error);
        EXPECT_TRUE(done) << error;
        return done;
    }
    // The picture file a control shows, without its folder.
    std::string Picture(const std::string& name) {
        return std::filesystem::path(Control<forms::TImage>(name).PictureFile()).filename().string();
    }
    std::uint8_t Register(std::uint16_t reg) const { return headset->chip().registers[reg]; }
    std::vector<std::string> Log() const { return headset->log().lines(); }

    TempFolder runtime, config, folder;
    ui::headless::Driver driver;
    sim::Machine machine;
    std::shared_ptr<sim::EmulatedHeadset> headset = std::make_shared<sim::EmulatedHeadset>();
    std::unique_ptr<TAudioMainForm> form;
};
