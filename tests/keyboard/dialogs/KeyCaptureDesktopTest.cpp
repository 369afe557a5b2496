// The two capture dialogs as real windows on a virtual X server: a key that
// another client types into the dialog is captured once, as its physical key,
// though both the X server and the window itself see it. A picture of the
// screen is kept under the build folder for a look.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "keyboard/dialogs/CKeyMapSettingDlg.h"
#include "keyboard/dialogs/CShortcutDlg.h"
#include "keyboard/toolkit/CStaticText.h"
#include "keyboard/toolkit/TestDialog.h"
#include "platform/ui/Image.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/Session.h"
#include "support/VirtualXServer.h"

// Last: Xlib's macros would clash with names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// The whole screen of $DISPLAY, as a picture file.
bool SaveScreen(const std::string& path) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    const int width = DisplayWidth(display, 0);
    const int height = DisplayHeight(display, 0);
    XImage* shot = XGetImage(display, DefaultRootWindow(display), 0, 0, static_cast<unsigned>(width),
                             static_cast<unsigned>(height), AllPlanes, ZPixmap);
    ui::Image picture(width, height);
    for (int y = 0; shot != nullptr && y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y, 0xFF000000u | static_cast<ui::Argb>(XGetPixel(shot, x, y) & 0xFFFFFF));
        }
    }
    if (shot != nullptr) {
        XDestroyImage(shot);
    }
    XCloseDisplay(display);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    return shot != nullptr && picture.savePng(path);
}

// Counts what reaches the dialog and tells the typing thread its window.
template <typename Dialog>
class Watched : public Dialog {
public:
    using Dialog::Dialog;
    // A title of its own: the windows of dialogs that went may linger hidden.
    ui::BOOL OnInitDialog() override {
        static int opened = 0;
        const ui::BOOL result = Dialog::OnInitDialog();
        title = "key capture " + std::to_string(++opened);
        this->setTitle(title);
        shown = this->handle();
        return result;
    }
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override {
        if (message == CKeyboardHook::kKeyMessage) {
            ++hookMessages;
        } else if (message == ui::WM_KEYDOWN) {
            ++windowKeys;
        }
        return Dialog::WindowProc(message, wParam, lParam);
    }
    std::string title;
    std::atomic<ui::WindowHandle> shown{};  // set once the title is
    int hookMessages = 0;
    int windowKeys = 0;
};

class KeyCaptureDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!server.started()) {
            GTEST_SKIP() << "no X server could be started here (is Xvfb installed?)";
        }
        ::setenv("DISPLAY", server.display().c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        session = std::make_unique<ui::Session>(ui::Backend::qt);
        ASSERT_TRUE(owner.Create(nullptr));
        owner.setTitle("owner");
    }

    // Runs the dialog; once it is up, xdotool focuses it and types the X
    // keycode, the screen is saved, and OK is pressed.
    template <typename Dialog>
    void TypeInto(Watched<Dialog>& dialog, const std::string& keycode, const std::string& picture) {
        bool typed = false;
        std::thread user([&] {
            while (dialog.shown.load() == ui::WindowHandle{}) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            typed = server.run({"xdotool", "search", "--sync", "--onlyvisible", "--name", dialog.title,
                                "windowfocus", "--sync", "key", keycode});
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            EXPECT_TRUE(SaveScreen(std::string(QUELDA_ARTEFACTS_DIR) + "/" + picture));
            ui::PostMessage(dialog.shown.load(), 2010, 0, kNotifyClicked);  // OK
        });
        dialog.DoModal();
        user.join();
        ASSERT_TRUE(typed) << "xdotool failed (is it installed?)";
        EXPECT_TRUE(hook::listeningToX11());
        EXPECT_EQ(dialog.windowKeys, 1);    // the window had the focus and saw the key itself
        EXPECT_EQ(dialog.hookMessages, 2);  // one press and one release through the hook
    }

    VirtualXServer server{VirtualXServer::Ending::withLastClient};
    std::unique_ptr<ui::Session> session;
    TestDialog owner;
};

// One X server for both: the desktop session the layer opens stays connected
// to it as long as the process lives.
TEST_F(KeyCaptureDesktopTest, BothDialogsCaptureTheKeyTypedIntoThem) {
    Watched<CKeyMapSettingDlg> keyMap(&owner, 2259, "A", 0x04, 0x04);
    TypeInto(keyMap, "105", "desktop_key_map_setting_dialog.png");  // Ctrl_R
    EXPECT_EQ(static_cast<CStaticText*>(keyMap.FindControl(CKeyMapSettingDlg::kOfferedKeyText))->m_staticText,
              "Ctrl_R");
    EXPECT_EQ(owner.received, (std::vector<Notification>{{CKeyMapSettingDlg::kResultMessage, 2259, 0xE4}}));

    owner.received.clear();
    Watched<CShortcutDlg> shortcut(&owner);
    TypeInto(shortcut, "104", "desktop_shortcut_dialog.png");  // Keypad Enter
    ASSERT_EQ(owner.received.size(), 1u);
    EXPECT_EQ(owner.received[0].message, CShortcutDlg::kResultMessage);
    EXPECT_EQ(shortcut.Result().name, "Keypad Enter");
    EXPECT_EQ(shortcut.Result().p2, 0x58);
}

}  // namespace
