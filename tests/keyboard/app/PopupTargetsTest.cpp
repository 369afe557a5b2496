// What a scripted run sees of the open popups and how it points at their items.
#include <gtest/gtest.h>

#include <sstream>

#include "keyboard/app/PopupTargets.h"
#include "keyboard/dialogs/CComboPopup.h"
#include "keyboard/dialogs/CMacroLibraryPopup.h"
#include "keyboard/dialogs/CProfilePopup.h"
#include "keyboard/model/MacroLibrary.h"
#include "keyboard/toolkit/TestDialog.h"
#include "platform/ui/headless/Driver.h"
#include "support/TempFolder.h"

namespace {

class PopupTargetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.m_width = 400;
        owner.m_height = 300;
        ASSERT_TRUE(owner.Create(nullptr));
        driver.runUntilIdle();
    }
    template <typename Popup>
    Popup* Open(Popup* popup, ui::Point client, ui::UINT notify, ui::UINT control) {
        const ui::Point corner = owner.clientToScreen(client);
        EXPECT_TRUE(popup->Open(&owner, ui::rectAt(corner.x, corner.y, 0, 0), notify, control));
        driver.runUntilIdle();
        return popup;
    }
    static bool HasLine(const std::string& text, const std::string& line) {
        std::istringstream lines(text);
        std::string each;
        while (std::getline(lines, each)) {
            if (each == line) {
                return true;
            }
        }
        return false;
    }

    ui::headless::Driver driver;
    TestDialog owner;
};

TEST_F(PopupTargetsTest, TheDumpListsEveryOpenPopupWithItsItems) {
    EXPECT_EQ(DumpPopups(driver), "");
    auto* menu = Open(new CComboPopup, {20, 30}, 1027, 2078);
    const MacroLibrary empty = [] {
        MacroLibrary library = MacroLibrary::Default();
        library.GetSet(0)->macros.clear();
        return library;
    }();
    Open(new CMacroLibraryPopup(&empty), {189, 30}, 1051, 0);
    ASSERT_EQ(OpenPopups(driver).size(), 2u);
    EXPECT_EQ(OpenPopups(driver).front(), menu);
    driver.mouseMove(*menu, {50, 3 + 16 + 8});

    const std::string dump = DumpPopups(driver);
    const ui::Point at = owner.clientToScreen({20, 30});
    EXPECT_TRUE(HasLine(dump, "popup CComboPopup kind=0 at=" + std::to_string(at.x) + "," +
                                  std::to_string(at.y) +
                                  " client=20,30 size=169x134 control=2078 notify=1027"))
        << dump;
    EXPECT_TRUE(HasLine(dump, "popup CComboPopup item=\"Multimedia\" value=2 hot=1 separator=0 submenu=1"))
        << dump;
    EXPECT_TRUE(HasLine(dump, "popup CComboPopup item=\"No Function\" value=8 hot=0 separator=0 submenu=0"))
        << dump;
    EXPECT_TRUE(HasLine(dump, "popup CMacroLibraryPopup item=\"\" value=0 hot=0 separator=1 submenu=0"))
        << dump;
}

TEST_F(PopupTargetsTest, ItemsOfTheOpenPopupsArePointedAtByTextFromTheTopDown) {
    auto* menu = Open(new CComboPopup, {20, 30}, 1027, 2078);
    EXPECT_EQ(ActOnPopupItem(driver, "hover", "Multimedia"), "");
    EXPECT_EQ(owner.received.back(), (Notification{1030, 2078, 2}));
    EXPECT_EQ(menu->HotItem(), 1);

    auto* list = Open(new CProfilePopup, {189, 30}, 1031, 2078);
    EXPECT_EQ(ActOnPopupItem(driver, "hover", "Mouse Function"), "") << "the menu beneath the list";
    EXPECT_EQ(menu->HotItem(), 3);
    EXPECT_EQ(ActOnPopupItem(driver, "hover", "Fire"), "no open popup has an item \"Fire\"");
    EXPECT_EQ(ActOnPopupItem(driver, "press", "Stop"), "");
    EXPECT_EQ(list->HotItem(), 7);
    EXPECT_TRUE(owner.received.back().message != 1031) << "a press alone chooses nothing";
    EXPECT_EQ(ActOnPopupItem(driver, "release", "Stop"), "");
    EXPECT_EQ(owner.received.back().message, 1031u);
    EXPECT_EQ(reinterpret_cast<const SelectorResult*>(owner.received.back().lParam)->p1, 0xA7);

    // Pressed on an item and let go over the main window: the popup holds the
    // mouse, hears the release outside its item and chooses nothing.
    const std::size_t before = owner.received.size();
    driver.advance(std::chrono::seconds(1));
    EXPECT_EQ(ActOnPopupItem(driver, "press", "Mute"), "");
    driver.mouseUp(owner, {100, 250});
    EXPECT_EQ(list->HotItem(), CSelectorPopup::kNoItem);
    EXPECT_EQ(owner.received.size(), before);

    driver.advance(std::chrono::seconds(1));
    EXPECT_EQ(ActOnPopupItem(driver, "click", "Volume+"), "");
    EXPECT_EQ(list->Result().name, "Volume+");

    // The picture takes in the window and the popups beyond it.
    TempFolder folder;
    ASSERT_TRUE(SaveWindowWithPopups(driver, owner.windowRect(), folder.file("shot.png")));
    const ui::Image shot = ui::Image::fromFile(folder.file("shot.png"));
    EXPECT_EQ(shot.width(), 400);
    EXPECT_EQ(shot.height(), 300);
    const ui::Point listCorner = owner.screenToClient(list->windowRect().topLeft());
    EXPECT_EQ(shot.pixel(listCorner.x, listCorner.y), ui::argbOf(ui::RGB(185, 210, 107)));
}

}  // namespace
