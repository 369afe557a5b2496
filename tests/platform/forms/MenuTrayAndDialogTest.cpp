#include "TestForm.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCTrayIcon.h"
#include "platform/forms/TColorDialog.h"
#include "platform/forms/TFileDialog.h"
#include "platform/forms/TPopupMenu.h"
#include "platform/ui/Messaging.h"

using namespace forms;

namespace {

using MenuTrayAndDialogTest = TestFormFixture;

TEST_F(MenuTrayAndDialogTest, RadioItemsOfAMenuExcludeEachOther) {
    auto& menu = get<TPopupMenu>("PopupMenu");
    auto& english = get<TMenuItem>("EnglishItem");
    auto& deutsch = get<TMenuItem>("DeutschItem");
    std::string clicked;
    deutsch.OnClick = [&](TObject* sender) {
        clicked = sender->Name();
        static_cast<TMenuItem*>(sender)->SetChecked(true);
    };
    driver.answerPopupMenu(deutsch.Command());
    menu.Popup(10, 10);
    EXPECT_EQ(clicked, "DeutschItem");
    EXPECT_TRUE(deutsch.Checked());
    EXPECT_FALSE(english.Checked());

    // What was shown: the sub-menu with its radio mark, the separator, the accelerators.
    const ui::PopupMenu& shown = driver.popupMenus().back().menu;
    ASSERT_EQ(shown.items().size(), 3u);
    EXPECT_EQ(shown.items()[0].text, "&Language");
    ASSERT_EQ(shown.items()[0].submenu.size(), 2u);
    EXPECT_EQ(shown.items()[0].submenu[0].check, ui::MenuItemCheck::radio) << "English was checked when shown";
    EXPECT_TRUE(shown.items()[1].separator);
    EXPECT_EQ(get<TMenuItem>("CloseMenu").DisplayCaption(), "Close");
    EXPECT_EQ(menu.Items().FindByDisplayCaption("Deutsch"), &deutsch);
}

TEST_F(MenuTrayAndDialogTest, TheTrayIconRestoresOnDoubleClickAndOpensItsMenuOnRightRelease) {
    auto& tray = get<TCTrayIcon>("CTrayIcon");
    const auto icons = driver.trayIcons();
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].data.tip, "Test tray");
    EXPECT_EQ(icons[0].picture.pixel(8, 8) | 0xFF000000u, 0xFFDC2828u) << "image 0 of the image list";

    tray.Minimize();  // Hide is on: only the icon stays
    EXPECT_FALSE(form.Visible());
    int restored = 0;
    tray.OnRestore = [&](TObject*) { ++restored; };
    driver.clickTrayIcon(tray.IconId(), ui::WM_LBUTTONDBLCLK);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(restored, 1);

    bool closed = false;
    get<TMenuItem>("CloseMenu").OnClick = [&](TObject*) { closed = true; };
    driver.answerPopupMenu(get<TMenuItem>("CloseMenu").Command());
    driver.clickTrayIcon(tray.IconId(), ui::WM_RBUTTONDOWN);
    EXPECT_FALSE(closed) << "the menu opens on the release";
    driver.clickTrayIcon(tray.IconId(), ui::WM_RBUTTONUP);
    EXPECT_TRUE(closed);
}

TEST_F(MenuTrayAndDialogTest, WithoutTheTrayHidingMinimiseLeavesATaskBarButton) {
    get<TCTrayIcon>("CTrayIcon").SetHide(false);
    Application->SetMainForm(&form);
    Application->Minimize();
    EXPECT_TRUE(form.isMinimized());
    EXPECT_TRUE(form.Visible());
    Application->Restore();
    EXPECT_FALSE(form.isMinimized());
    Application->SetMainForm(nullptr);
}

TEST_F(MenuTrayAndDialogTest, AColourDialogAnsweredFromTheTestReturnsTheColour) {
    auto& dialog = get<TColorDialog>("ColorDialog");
    driver.answerColorDialog(0x00123456);
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color, 0x00123456u);
    EXPECT_EQ(driver.colorDialogs().back().initial, 0x0000FFu) << "it opened at the colour it had";

    EXPECT_FALSE(dialog.Execute()) << "unanswered: cancelled";
    EXPECT_EQ(dialog.Color, 0x00123456u) << "a cancel keeps the colour";
}

TEST_F(MenuTrayAndDialogTest, FileDialogsPassTheirSettingsAndTakeTheChosenPath) {
    auto& open = form.Add<TOpenDialog>("OpenDialog");
    open.Filter = "Profile|*.ini|All|*.*";
    open.DefaultExt = "ini";
    open.InitialDir = "/tmp";
    driver.answerFileDialog("/tmp/mine.ini");
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName, "/tmp/mine.ini");
    const ui::FileDialogOptions& shown = driver.fileDialogs().back();
    EXPECT_EQ(shown.filter, "Profile|*.ini|All|*.*||");
    EXPECT_EQ(shown.defaultExtension, "ini");
    EXPECT_EQ(shown.initialFolder, "/tmp");
    EXPECT_EQ(shown.mode, ui::FileDialogMode::open);
    EXPECT_FALSE(form.Add<TSaveDialog>("SaveDialog").Execute());
}

TEST_F(MenuTrayAndDialogTest, RegisteredMessagesKeepTheirNumberAndReachTheFormsHandler) {
    const ui::UINT exit = Application->RegisterWindowMessage("WM_ZRX16xxAPP_EXIT");
    EXPECT_GE(exit, 0xC000u);
    EXPECT_EQ(Application->RegisterWindowMessage("WM_ZRX16xxAPP_EXIT"), exit);
    EXPECT_NE(Application->RegisterWindowMessage("WM_APP_EXIT_RESUME"), exit);
    int seen = 0;
    form.SetMessageHandler(exit, [&](ui::WPARAM, ui::LPARAM) {
        ++seen;
        return ui::LRESULT{1};
    });
    EXPECT_EQ(ui::SendMessage(&form, exit), 1);
    EXPECT_EQ(seen, 1);
}

}  // namespace
