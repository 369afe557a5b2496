#pragma once

#include <gtest/gtest.h>

#include "platform/forms/TForm.h"
#include "platform/ui/headless/Driver.h"

// The tests' form, read from its layout file and shown at the screen's corner.
class TestFormFixture : public ::testing::Test {
protected:
    ui::headless::Driver driver;
    forms::TForm form;

    void SetUp() override {
        const std::optional<std::string> error = form.LoadLayout(QUELDA_FIXTURES_DIR "/forms/test.form");
        ASSERT_FALSE(error) << *error;
        form.move({0, 0});
        form.Show();
        driver.runUntilIdle();
    }

    template <class T>
    T& get(const std::string& name) {
        T* found = form.Find<T>(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }

    ui::Point centreOf(const forms::TControl& control) const {
        const ui::Rect r = control.FormRect();
        return {r.left + r.width() / 2, r.top + r.height() / 2};
    }

    ui::Argb pixel(int x, int y) { return driver.surface(form).pixel(x, y) | 0xFF000000u; }
};
