#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "keyboard/dialogs/CAttentionDlg.h"
#include "keyboard/dialogs/CFirmwareResetDlg.h"
#include "keyboard/toolkit/CStaticText.h"

namespace {

constexpr ui::Point kClose{482, 15};
constexpr ui::Point kOk{198, 208};
constexpr ui::Point kCancel{298, 208};

using ConfirmationDialogsTest = DialogFixture;

TEST_F(ConfirmationDialogsTest, FirmwareResetEndsWithTheButtonPressedAndSendsNothing) {
    struct Case {
        int background;
        ui::Point button;
        int result;
    } cases[] = {
        {CFirmwareResetDlg::kResetCurrentBackground, kCancel, ui::IDCANCEL},
        {CFirmwareResetDlg::kResetAllBackground, kCancel, ui::IDCANCEL},
        {CFirmwareResetDlg::kResetAllBackground, kClose, ui::IDCANCEL},
        {CFirmwareResetDlg::kResetCurrentBackground, kOk, ui::IDOK},
    };
    for (const Case& c : cases) {
        driver.answerModal([&](ui::Window& window) {
            auto& dialog = static_cast<CFirmwareResetDlg&>(window);
            EXPECT_EQ(dialog.BackgroundSize(), (ui::Size{496, 247}));
            SaveArtefact(dialog, "firmware_reset_" + std::to_string(c.background) + ".png");
            Click(dialog, c.button);
        });
        CFirmwareResetDlg dialog(&owner);
        dialog.m_backgroundId = c.background;
        EXPECT_EQ(dialog.DoModal(), c.result) << c.background;
    }
    EXPECT_TRUE(owner.received.empty());
}

TEST_F(ConfirmationDialogsTest, AttentionShowsItsTitleAndMessage) {
    for (auto [button, result] : {std::pair{kOk, ui::IDOK}, std::pair{kClose, ui::IDCANCEL}}) {
        driver.answerModal([&](ui::Window& window) {
            auto& dialog = static_cast<CAttentionDlg&>(window);
            auto* title = static_cast<CStaticText*>(dialog.FindControl(CAttentionDlg::kTitleText));
            auto* message = static_cast<CStaticText*>(dialog.FindControl(CAttentionDlg::kMessageText));
            ASSERT_TRUE(title && message);
            EXPECT_EQ(title->m_staticText, "Attention!");
            EXPECT_EQ(message->m_format, CStaticText::kCentred);
            EXPECT_EQ(message->m_staticText, "The keyboard is disconnection");
            SaveArtefact(dialog, "attention_dialog.png");
            Click(dialog, button);
        });
        CAttentionDlg dialog("Attention!", "The keyboard is disconnection", &owner);
        EXPECT_EQ(dialog.DoModal(), result);
    }
}

}  // namespace
