// The key-map dialog as a real window on a virtual X server: a key that
// another client types into it is captured once, as its physical key, though
// both the X server and the window itself see it.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <thread>

#include "keyboard/dialogs/CKeyMapSettingDlg.h"
#include "keyboard/toolkit/CStaticText.h"
#include "keyboard/toolkit/TestDialog.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/Session.h"
#include "support/VirtualXServer.h"

namespace {

// Tells the test thread its window once it is up.
class ShownKeyMapDlg : public CKeyMapSettingDlg {
public:
    using CKeyMapSettingDlg::CKeyMapSettingDlg;
    ui::BOOL OnInitDialog() override {
        const ui::BOOL result = CKeyMapSettingDlg::OnInitDialog();
        setTitle("key capture");
        shown = handle();
        return result;
    }
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override {
        if (message == CKeyboardHook::kKeyMessage) {
            ++keyMessages;
        } else if (message == ui::WM_KEYDOWN) {
            ++windowKeys;
        }
        return CKeyMapSettingDlg::WindowProc(message, wParam, lParam);
    }
    std::atomic<ui::WindowHandle> shown{};
    int keyMessages = 0;
    int windowKeys = 0;
};

TEST(KeyCaptureDesktopTest, AKeyTypedIntoTheDialogIsCapturedOnce) {
    VirtualXServer server;
    if (!server.started()) {
        GTEST_SKIP() << "no X server could be started here (is Xvfb installed?)";
    }
    ::setenv("DISPLAY", server.display().c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    ui::Session session(ui::Backend::qt);
    TestDialog owner;
    ASSERT_TRUE(owner.Create(nullptr));
    owner.setTitle("owner");
    ShownKeyMapDlg dialog(&owner, 2259, "A", 0x04, 0x04);

    bool typed = false;
    std::thread user([&] {
        while (dialog.shown.load() == ui::WindowHandle{}) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        // Right Ctrl, typed into the dialog once it has the focus.
        typed = server.run(
            {"xdotool", "search", "--sync", "--name", "key capture", "windowfocus", "--sync", "key", "105"});
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        ui::PostMessage(dialog.shown.load(), 2010, 0, kNotifyClicked);  // OK
    });
    EXPECT_EQ(dialog.DoModal(), ui::IDOK);
    user.join();

    ASSERT_TRUE(typed) << "xdotool failed (is it installed?)";
    EXPECT_TRUE(hook::listeningToX11());
    EXPECT_EQ(dialog.windowKeys, 1);   // the window had the focus and saw the key itself
    EXPECT_EQ(dialog.keyMessages, 2);  // one press and one release through the hook
    EXPECT_EQ(dialog.KeyChoice(), 0xE4);
    EXPECT_EQ(static_cast<CStaticText*>(dialog.FindControl(CKeyMapSettingDlg::kOfferedKeyText))->m_staticText,
              "Ctrl_R");
    EXPECT_EQ(owner.received, (std::vector<Notification>{{CKeyMapSettingDlg::kResultMessage, 2259, 0xE4}}));
}

}  // namespace
