// The KEY MAP and MACRO pages hear their dialogs and popups by message; a
// message that names no control of theirs, or comes when nothing asked for
// it, changes nothing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "keyboard/dialogs/SelectorResult.h"
#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/resources/KeyboardResources.h"
#include "platform/core/ProgramFolder.h"
#include "platform/hid/sim/SimBus.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/headless/Driver.h"
#include "support/TempFolder.h"

namespace {

class PageMessages : public ::testing::Test {
protected:
    void SetUp() override {
        core::setProgramFolder(folder.path());
        ASSERT_TRUE(InitKeyboardResources());
        window = std::make_unique<CTarvikDlg>(bus);
        ASSERT_TRUE(window->Create(nullptr));
        driver.onUnansweredModal([this](ui::Window& dialog) {
            ++dialogsShown;
            dialog.endModal(ui::IDCANCEL);
        });
        driver.runUntilIdle();
    }
    void TearDown() override {
        driver.onUnansweredModal(nullptr);
        window.reset();
        core::setProgramFolder({});
    }
    bool AnyPopupOpen() const {
        for (int kind = 0; kind < CDlgBase::kPopupKinds; ++kind) {
            if (window->Popup(kind)) {
                return true;
            }
        }
        return false;
    }

    TempFolder folder;
    ui::headless::Driver driver;
    hid::SimBus bus;
    std::unique_ptr<CTarvikDlg> window;
    int dialogsShown = 0;
};

TEST_F(PageMessages, MessagesForNoControlOfThePagesChangeNothing) {
    SelectorResult macro{"Burst", 0x01, 0, 0};
    SelectorResult none{"No Function", 0x00, 0, 0};
    std::string path = "/usr/bin/true";
    auto record = [](SelectorResult& r) { return reinterpret_cast<ui::LPARAM>(&r); };
    struct Case {
        const char* what;
        ui::UINT message;
        ui::WPARAM wParam;
        ui::LPARAM lParam;
    };
    const std::vector<Case> cases = {
        {"a code for an id past the keys", 0x42A, 2304, 0x04},
        {"a code for a control that is no key", 0x42A, 2078, 0x04},
        {"a code for no control at all", 0x42A, 9999, 0x04},
        {"the menu's first items report with id 0", 1027, 0, record(none)},
        {"a menu choice for a key button", 1027, 2200, record(none)},
        {"a list choice for no G key", 1051, 2083, record(macro)},
        {"a list choice without a record", 1031, 2078, 0},
        {"a menu asked for by a key button", 1028, 2200, 2},
        {"a shortcut nobody asked for", 1036, 2010, record(none)},
        {"a program nobody asked for", 1039, reinterpret_cast<ui::WPARAM>(&path), record(none)},
        {"the shortcut dialog without a G key", 1034, 0, 0},
        {"the quick-launch dialog without a G key", 1038, 0, 0},
        {"a shortcut for no G key", 1035, 2077, 0},
    };
    const ProfileRecord before = window->Data().profiles.Record(0);
    for (const Case& c : cases) {
        ui::SendMessage(window.get(), c.message, c.wParam, c.lParam);
        driver.runUntilIdle();
        EXPECT_EQ(window->Data().profiles.Record(0), before) << c.what;
        EXPECT_FALSE(window->Pending().AnyMarked()) << c.what;
        EXPECT_FALSE(AnyPopupOpen()) << c.what;
        EXPECT_EQ(dialogsShown, 0) << c.what;
    }
}

// The shortcut's result goes to the G key it was asked for, and only while
// its dialog is open: a late copy finds no slot.
TEST_F(PageMessages, TheShortcutGoesToTheRememberedKeyOnly) {
    SelectorResult combination{"Ctrl+1", 0x06, 0x01, 0x1E};
    driver.onUnansweredModal([&](ui::Window& dialog) {
        ++dialogsShown;
        ui::SendMessage(window.get(), 1036, 2010, reinterpret_cast<ui::LPARAM>(&combination));
        dialog.endModal(ui::IDCANCEL);
    });
    ui::SendMessage(window.get(), 1035, 2081, 0);
    driver.runUntilIdle();
    EXPECT_EQ(dialogsShown, 1);
    const GKeySlot& g4 = *window->Data().profiles.Record(0).GKey(3);
    EXPECT_EQ(g4.name, "Ctrl+1");
    EXPECT_EQ(g4.function, (KeyFunction{0x06, 0x01, 0x1E}));
    EXPECT_TRUE(window->Pending().IsMarked(PendingWrites::kKeyMap, 0));

    combination.name = "late";
    ui::SendMessage(window.get(), 1036, 2010, reinterpret_cast<ui::LPARAM>(&combination));
    EXPECT_EQ(window->Data().profiles.Record(0).GKey(3)->name, "Ctrl+1");
}

}  // namespace
