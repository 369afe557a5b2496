#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "audio/mainform/TAudioMainForm.h"
#include "platform/core/ProgramFolder.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TMenuItem.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/headless/Driver.h"
#include "sim/headset/EmulatedHeadset.h"
#include "sim/headset/Machine.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// A program folder made of the shipped one, with plug-in folders of its own:
// "Tool" listed in section Application, "Unlisted" not.
class PluginMenuTest : public ::testing::Test {
protected:
    PluginMenuTest() {
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
        const fs::path shipped = core::executableFolder();
        for (const char* entry : {"Language", "Skin", "forms", "SonvairApp.png", "libDLLQ9_Sonvair16xx_x32.so"}) {
            fs::create_symlink(shipped / entry, fs::path(folder.path()) / entry);
        }
        fs::copy_file(shipped / "AudioConfig.cfg", folder.file("AudioConfig.cfg"));
        std::ofstream(folder.file("AudioConfig.cfg"), std::ios::app) << "\r\n[Application]\r\nTool=1\r\nUnlisted=0\r\n";
        fs::create_directories(folder.file("Plugin/Tool"));
        fs::create_directories(folder.file("Plugin/Unlisted"));
        folder.write("Plugin/Tool/Tool.exe", "#!/bin/sh\n");
        fs::permissions(folder.file("Plugin/Tool/Tool.exe"), fs::perms::owner_all);
        headset->plugInto(machine);
        shell::setLauncher([this](const std::vector<std::string>& commandLine) {
            launched.push_back(commandLine);
            return true;
        });
    }
    ~PluginMenuTest() override {
        shell::setLauncher(nullptr);
        ::unsetenv("XDG_RUNTIME_DIR");
        ::unsetenv("XDG_CONFIG_HOME");
    }

    std::unique_ptr<TAudioMainForm> Open() {
        auto form = forms::Application->CreateForm<TAudioMainForm>(
            folder.path(), std::vector<std::string>{"sonvair-app", "-servicestart"});
        form->Show();
        driver.runUntilIdle();
        return form;
    }

    TempFolder runtime, config, folder;
    ui::headless::Driver driver;
    sim::Machine machine;
    std::shared_ptr<sim::EmulatedHeadset> headset = std::make_shared<sim::EmulatedHeadset>();
    std::vector<std::vector<std::string>> launched;
};

TEST_F(PluginMenuTest, ListedFoldersBecomeItemsAndAChosenOneStartsWithThePanelInTheTray) {
    auto form = Open();
    auto* mode = form->Find<forms::TMenuItem>("ModeMenu");
    ASSERT_NE(mode, nullptr);
    ASSERT_TRUE(mode->Visible());
    ASSERT_EQ(mode->Count(), 1);
    forms::TMenuItem& tool = mode->Items(0);
    EXPECT_EQ(tool.Caption(), "Tool");

    tool.Click();
    const std::string program = folder.file("Plugin/Tool/Tool.exe");
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0], (std::vector<std::string>{program, program}));
    EXPECT_TRUE(tool.Checked());
    EXPECT_FALSE(form->Visible());

    // While the plug-in runs, restoring from the tray leaves the panel there.
    form->CTrayIconRestore(nullptr);
    driver.runUntilIdle();
    EXPECT_FALSE(form->Visible());

    // The plug-in gives the headset back: its item is no longer checked.
    ui::SendMessage(form.get(), form->RegisteredMessage(kAppExitResume));
    EXPECT_FALSE(tool.Checked());
}

}  // namespace
