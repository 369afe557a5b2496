#include <gtest/gtest.h>

#include <memory>

#include "RecordingWindow.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/PopupMenu.h"
#include "platform/ui/TrayIcon.h"
#include "platform/ui/headless/Driver.h"

using namespace ui;

namespace {

constexpr UINT kCallback = WM_USER + 32;
constexpr int kPng = 9001;  // a 4 x 2 picture among the test resources

class TrayAndMenuTest : public ::testing::Test {
protected:
    headless::Driver driver;
    RecordingWindow window;
    void SetUp() override { ASSERT_TRUE(window.openAt(rectAt(0, 0, 300, 200))); }

    TrayIconData icon(UINT id = 381) {
        return {.owner = &window,
                .id = id,
                .callbackMessage = kCallback,
                .iconResourceId = kPng,
                .tip = "Quelda Keyboard"};
    }
};

TEST_F(TrayAndMenuTest, AddModifyAndRemoveFollowTheOwnerAndId) {
    EXPECT_FALSE(modifyTrayIcon(icon())) << "nothing to modify yet";
    EXPECT_FALSE(addTrayIcon({.owner = nullptr, .id = 381}));
    ASSERT_TRUE(addTrayIcon(icon()));
    EXPECT_FALSE(addTrayIcon(icon())) << "the same owner and id twice";
    ASSERT_TRUE(addTrayIcon(icon(382)));

    TrayIconData changed = icon();
    changed.tip = "changed";
    changed.iconResourceId = 4242;  // no such resource
    ASSERT_TRUE(modifyTrayIcon(changed));
    auto icons = driver.trayIcons();
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[0].data.tip, "changed");
    EXPECT_FALSE(icons[0].picture.isNull()) << "a stand-in for the missing picture";
    EXPECT_EQ(icons[1].picture.size(), (Size{4, 2})) << "the resource's own picture";

    EXPECT_TRUE(removeTrayIcon(&window, 381));
    EXPECT_FALSE(removeTrayIcon(&window, 381));
    EXPECT_FALSE(removeTrayIcon(nullptr, 382));
    ASSERT_EQ(driver.trayIcons().size(), 1u);
    EXPECT_EQ(driver.trayIcons()[0].data.id, 382u);
}

TEST_F(TrayAndMenuTest, MouseOnTheIconPostsTheCallbackWithIdAndMouseMessage) {
    ASSERT_TRUE(addTrayIcon(icon()));
    for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP}) {
        window.log.clear();
        ASSERT_TRUE(driver.clickTrayIcon(381, mouse));
        const auto got = window.entries(kCallback);
        ASSERT_EQ(got.size(), 1u) << mouse;
        EXPECT_EQ(got[0].wParam, 381u);
        EXPECT_EQ(got[0].lParam, static_cast<LPARAM>(mouse));
    }
    TrayIconData moved = icon();
    moved.callbackMessage = WM_USER + 33;
    ASSERT_TRUE(modifyTrayIcon(moved));
    window.log.clear();
    driver.clickTrayIcon(381, WM_RBUTTONUP);
    EXPECT_TRUE(window.entries(kCallback).empty());
    EXPECT_EQ(window.entries(WM_USER + 33).size(), 1u) << "the modified callback message";
    EXPECT_FALSE(driver.clickTrayIcon(999, WM_RBUTTONUP));
}

TEST_F(TrayAndMenuTest, IconsGoWithTheirOwnerWindow) {
    ASSERT_TRUE(addTrayIcon(icon()));
    auto other = std::make_unique<RecordingWindow>();
    ASSERT_TRUE(other->openAt(rectAt(0, 0, 10, 10)));
    ASSERT_TRUE(addTrayIcon({.owner = other.get(), .id = 7, .callbackMessage = kCallback}));
    other.reset();  // torn down without WM_DESTROY
    ASSERT_EQ(driver.trayIcons().size(), 1u);
    EXPECT_EQ(driver.trayIcons()[0].data.owner, &window);

    window.destroy();
    EXPECT_TRUE(driver.trayIcons().empty());
    EXPECT_FALSE(driver.clickTrayIcon(381, WM_RBUTTONUP));
    EXPECT_FALSE(addTrayIcon(icon())) << "the owner is no longer an open window";
}

PopupMenu trayMenu() {
    PopupMenu menu;
    menu.append(2075, "Config Quelda Keyboard").appendSeparator().append(2, "Exit");
    return menu;
}

TEST_F(TrayAndMenuTest, ChosenItemIsPostedAsCommandAfterTheMenuReturns) {
    driver.answerPopupMenu(2075);
    EXPECT_NE(trackPopupMenu(trayMenu(), {1800, 1000}, &window, 0), 0);
    EXPECT_TRUE(window.entries(WM_COMMAND).empty()) << "posted, not sent";
    driver.runUntilIdle();
    const auto commands = window.entries(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, 2075u);
    EXPECT_EQ(commands[0].lParam, 0);

    ASSERT_EQ(driver.popupMenus().size(), 1u);
    const headless::ShownPopupMenu& shown = driver.popupMenus()[0];
    EXPECT_EQ(shown.menu.items(), trayMenu().items());
    EXPECT_EQ(shown.screen, (Point{1800, 1000}));
    EXPECT_EQ(shown.owner, window.handle());
}

TEST_F(TrayAndMenuTest, ReturnCommandDismissalAndImpossibleChoicesPostNothing) {
    PopupMenu menu = trayMenu();
    menu.append(3, "Greyed", MenuItemState::disabled);
    struct Case {
        std::optional<UINT> answer;
        unsigned flags;
        int result;
    };
    const Case cases[] = {
        {2, TPM_RETURNCMD, 2},
        {std::nullopt, TPM_RETURNCMD, 0},
        {std::nullopt, 0, 0},
        {3, 0, 0},    // a disabled item cannot be chosen
        {0, 0, 0},    // nor a separator
        {999, 0, 0},  // nor a command the menu does not have
    };
    for (const Case& c : cases) {
        driver.answerPopupMenu(c.answer);
        EXPECT_EQ(trackPopupMenu(menu, {5, 5}, &window, c.flags), c.result);
    }
    driver.runUntilIdle();
    EXPECT_TRUE(window.entries(WM_COMMAND).empty());
    EXPECT_EQ(driver.popupMenus().size(), std::size(cases));
    EXPECT_EQ(trackPopupMenu(menu, {5, 5}, nullptr, 0), 0) << "no owner";
    EXPECT_EQ(driver.popupMenus().size(), std::size(cases)) << "not shown without an owner";
}

// The usual round: right button up on the icon opens the menu at the pointer,
// and the choice comes back as a command.
TEST_F(TrayAndMenuTest, MenuOpenedFromTheTrayCallbackDeliversItsCommand) {
    window.onMessage = [&](UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == kCallback && lParam == static_cast<LPARAM>(WM_RBUTTONUP)) {
            trackPopupMenu(trayMenu(), cursorPos(), &window, 0);
            return 0;
        }
        return std::nullopt;
    };
    ASSERT_TRUE(addTrayIcon(icon()));
    driver.answerPopupMenu(2);
    driver.clickTrayIcon(381, WM_RBUTTONDOWN);
    EXPECT_TRUE(driver.popupMenus().empty());
    driver.clickTrayIcon(381, WM_RBUTTONUP);
    ASSERT_EQ(window.entries(WM_COMMAND).size(), 1u);
    EXPECT_EQ(window.entries(WM_COMMAND)[0].wParam, 2u);
}

}  // namespace
