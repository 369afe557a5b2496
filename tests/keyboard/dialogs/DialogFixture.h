#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "keyboard/toolkit/TestDialog.h"
#include "platform/ui/headless/Driver.h"

// An owner window that records what the dialogs send it, and the headless
// desktop they run on.
class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        owner.m_width = 400;
        owner.m_height = 300;
        ASSERT_TRUE(owner.Create(nullptr));
        driver.runUntilIdle();
    }
    void Click(ui::Window& window, ui::Point point) {
        driver.advance(std::chrono::seconds(1));  // never a double click
        driver.click(window, point);
    }
    // The dialog as the user sees it, kept under the build folder for a look.
    void SaveArtefact(const ui::Window& window, const std::string& name) {
        const std::filesystem::path folder(QUELDA_ARTEFACTS_DIR);
        std::filesystem::create_directories(folder);
        EXPECT_TRUE(driver.saveSurface(window, (folder / name).string()));
    }

    ui::headless::Driver driver;
    TestDialog owner;
};
