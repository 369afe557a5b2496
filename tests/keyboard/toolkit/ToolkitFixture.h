#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TestDialog.h"
#include "platform/ui/headless/Driver.h"

class ToolkitFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.m_width = 300;
        dialog.m_height = 200;
        ASSERT_TRUE(dialog.Create(nullptr));
        driver.runUntilIdle();
    }
    template <typename Control, typename... Args>
    Control* Add(int group, Args&&... args) {
        auto* control =
            dialog.AddControl(group, std::make_unique<Control>(&dialog, std::forward<Args>(args)...));
        dialog.invalidate();
        driver.runUntilIdle();
        return control;
    }
    std::vector<ui::LPARAM> CodesFrom(ui::UINT id) const {
        std::vector<ui::LPARAM> codes;
        for (const auto& n : dialog.received) {
            if (n.message == id)
                codes.push_back(n.lParam);
        }
        return codes;
    }

    ui::headless::Driver driver;
    TestDialog dialog;
};
