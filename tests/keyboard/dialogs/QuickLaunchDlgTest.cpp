#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "keyboard/dialogs/CQuickLaunchDlg.h"
#include "keyboard/toolkit/CStaticText.h"

namespace {

constexpr ui::Point kBrowse{269, 96};
constexpr ui::Point kOk{100, 212};
constexpr ui::Point kCancel{180, 212};

struct Sent {
    std::string path;
    SelectorResult result;
};

class QuickLaunchDlgTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        owner.onNotify = [&](const Notification& n) {
            if (n.message == CQuickLaunchDlg::kResultMessage) {
                sent.push_back({*reinterpret_cast<const std::string*>(n.wParam),
                                *reinterpret_cast<const SelectorResult*>(n.lParam)});
            }
        };
    }
    std::vector<Sent> sent;
};

TEST_F(QuickLaunchDlgTest, OkWithoutBrowsingSendsNothing) {
    for (ui::Point button : {kOk, kCancel}) {
        driver.answerModal([&](ui::Window& dialog) {
            EXPECT_EQ(dialog.clientRect(), (ui::Rect{0, 0, 305, 245}));
            Click(dialog, button);
        });
        CQuickLaunchDlg dialog(&owner);
        EXPECT_EQ(dialog.DoModal(), ui::IDCANCEL);
    }
    EXPECT_TRUE(sent.empty());
    EXPECT_TRUE(owner.received.empty());
}

TEST_F(QuickLaunchDlgTest, BrowsingTwiceKeepsTheLastChoice) {
    driver.answerFileDialog("/opt/games/first.exe");
    driver.answerFileDialog("/opt/games/racer");
    // A third browse is cancelled and changes nothing.
    driver.answerModal([&](ui::Window& window) {
        auto& dialog = static_cast<CQuickLaunchDlg&>(window);
        Click(dialog, kBrowse);
        Click(dialog, kBrowse);
        Click(dialog, kBrowse);
        EXPECT_EQ(dialog.Path(), "/opt/games/racer");
        EXPECT_EQ(static_cast<CStaticText*>(dialog.FindControl(CQuickLaunchDlg::kPathText))->m_staticText,
                  "/opt/games/racer");
        SaveArtefact(dialog, "quick_launch_dialog.png");
        Click(dialog, kOk);
    });
    CQuickLaunchDlg dialog(&owner);
    EXPECT_EQ(dialog.DoModal(), ui::IDCANCEL);

    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].path, "/opt/games/racer");
    EXPECT_EQ(sent[0].result.name, "racer");
    EXPECT_EQ(sent[0].result.category, 0x07);
    EXPECT_EQ(sent[0].result.p1, 0);
    EXPECT_EQ(sent[0].result.p2, 0);

    ASSERT_EQ(driver.fileDialogs().size(), 3u);
    const ui::FileDialogOptions& asked = driver.fileDialogs().front();
    EXPECT_EQ(asked.filter, "exe file(*.exe)|*.exe||");
    EXPECT_EQ(asked.filterIndex, 1);
    EXPECT_EQ(asked.fileName, "ab.exe");
    EXPECT_EQ(asked.defaultExtension, "exe");
    EXPECT_TRUE(asked.fileMustExist);
    EXPECT_TRUE(asked.offerExecutables);
}

}  // namespace
