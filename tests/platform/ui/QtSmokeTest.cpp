#include <gtest/gtest.h>

#include "platform/ui/Dialog.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Session.h"
#include "platform/ui/TrayIcon.h"

using namespace ui;

namespace {

// A real desktop window: shown, painted, shaped and made translucent, closed
// by its own timer through the ordinary WM_CLOSE path.
class SmokeDialog : public Dialog {
public:
    int paints = 0;
    int ticks = 0;
    bool destroyed = false;
    bool trayAdded = false;
    bool trayRemoved = false;

    BOOL OnInitDialog() override {
        setWindowRect(rectAt(100, 100, 320, 200));
        Region shape(rectAt(0, 0, 320, 180));
        shape.unite(rectAt(20, 180, 280, 20));
        setShape(shape);
        setAlpha(230);
        setTopmost(true);
        edit.create(*this, 2110, rectAt(20, 20, 80, 20));
        edit.setText("3");
        setTimer(1, 50);
        // The virtual X server has no tray: the icon is kept all the same.
        trayAdded = addTrayIcon({.owner = this,
                                 .id = 381,
                                 .callbackMessage = WM_USER + 32,
                                 .iconResourceId = 381,
                                 .tip = "Quelda Keyboard"});
        return TRUE;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_PAINT: {
                ++paints;
                PaintDC dc(*this);
                dc.fillRect(clientRect(), RGB(5, 16, 38));
                dc.setTextColor(RGB(255, 255, 255));
                dc.setBkMode(BkMode::transparent);
                dc.setFont(Font(FontSpec{.height = 12, .face = "宋体"}));
                dc.drawText("默认功能 OK", clientRect(), DT_SINGLELINE | DT_CENTER | DT_VCENTER);
                return 0;
            }
            case WM_TIMER:
                if (++ticks == 4) {
                    trayRemoved = removeTrayIcon(this, 381);
                    PostMessage(this, WM_CLOSE);
                }
                return 0;
            case WM_DESTROY:
                destroyed = true;
                break;
            default:
                break;
        }
        return Dialog::WindowProc(message, wParam, lParam);
    }

    EditControl edit;
};

TEST(QtSmokeTest, OpensPaintsAndClosesARealWindow) {
    Session session(Backend::qt);
    ASSERT_EQ(Session::backend(), Backend::qt);
    SmokeDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_GE(dialog.paints, 1);
    EXPECT_EQ(dialog.ticks, 4);
    EXPECT_TRUE(dialog.destroyed);
    EXPECT_TRUE(dialog.trayAdded);
    EXPECT_TRUE(dialog.trayRemoved);
    EXPECT_FALSE(dialog.exists());
}

}  // namespace
