#include <gtest/gtest.h>

#include "TestDialog.h"
#include "keyboard/toolkit/CCheckButton.h"
#include "keyboard/toolkit/CImageButton.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/Session.h"

namespace {

// The toolkit's dialog on a real desktop window: shown with its controls,
// painted, and closed by its own timer.
class SmokeDialog : public TestDialog {
public:
    void CreateControls(const ui::Rect&) override {
        AddControl(1, std::make_unique<CImageButton>(this, 2046, ui::Rect{20, 150, 100, 180}))
            ->SetStripImage(FrameStrip(3, 80, 30));
        AddControl(1, std::make_unique<CCheckButton>(this, 2111, ui::Rect{20, 20, 40, 40}))
            ->SetStripImage(FrameStrip(7, 20, 20));
        setTimer(1, 100);
    }
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override {
        if (message == ui::WM_TIMER && ++ticks == 3) {
            ui::PostMessage(this, ui::WM_CLOSE);
        }
        if (message == ui::WM_PAINT) {
            ++paints;
        }
        return TestDialog::WindowProc(message, wParam, lParam);
    }
    int ticks = 0;
    int paints = 0;
};

TEST(ToolkitQtSmokeTest, SkinnedDialogOpensPaintsAndCloses) {
    ui::Session session(ui::Backend::qt);
    SmokeDialog dialog;
    dialog.m_width = 300;
    dialog.m_height = 200;
    EXPECT_EQ(dialog.DoModal(), ui::IDCANCEL);
    EXPECT_GE(dialog.paints, 1);
    EXPECT_FALSE(dialog.exists());
}

}  // namespace
