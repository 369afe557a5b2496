#include <gtest/gtest.h>

#include <functional>

#include "PopupFixture.h"
#include "keyboard/dialogs/CKeyMapSettingDlg.h"
#include "keyboard/dialogs/CMultimediaPopup.h"
#include "keyboard/dialogs/DialogButtons.h"
#include "keyboard/toolkit/CComboButton.h"
#include "keyboard/toolkit/CRadioButton.h"
#include "keyboard/toolkit/CStaticText.h"
#include "platform/hook/CKeyboardHook.h"

namespace {

constexpr ui::UINT kKeyA = 2259;  // key button 59, "A"
constexpr KeyMapCode kUsageA = 0x04;

class KeyMapSettingDlgTest : public PopupFixture {
protected:
    // Opens the dialog for the "A" key with this current code, runs the steps
    // while it is open and returns the codes the owner was told.
    std::vector<Notification> Run(KeyMapCode current, const std::function<void(CKeyMapSettingDlg&)>& steps,
                                  int expectedEnd) {
        driver.answerModal([&](ui::Window& window) { steps(static_cast<CKeyMapSettingDlg&>(window)); });
        CKeyMapSettingDlg dialog(&owner, kKeyA, "A", kUsageA, current);
        EXPECT_EQ(dialog.DoModal(), expectedEnd);
        return Received(CKeyMapSettingDlg::kResultMessage);
    }
    void ClickControl(CKeyMapSettingDlg& dialog, ui::UINT id) {
        const ui::Rect r = dialog.FindControl(id)->GetRect();
        Click(dialog, {r.left + r.width() / 2, r.top + r.height() / 2});
    }
    void PressKey(std::uint8_t virtualKey) {
        hook::injectKey(virtualKey, false);
        hook::injectKey(virtualKey, true);
        driver.runUntilIdle();
    }
    void ChooseMouseFunction(CKeyMapSettingDlg& dialog, const std::string& name) {
        ClickControl(dialog, CKeyMapSettingDlg::kMouseChooser);
        auto* list = dynamic_cast<CMultimediaPopup*>(dialog.Popup(CMultimediaPopup::kKind));
        ASSERT_NE(list, nullptr);
        Choose(*list, name);
    }
    static std::string Offered(CKeyMapSettingDlg& dialog) {
        return static_cast<CStaticText*>(dialog.FindControl(CKeyMapSettingDlg::kOfferedKeyText))
            ->m_staticText;
    }
    static std::string Chooser(CKeyMapSettingDlg& dialog) {
        return static_cast<CComboButton*>(dialog.FindControl(CKeyMapSettingDlg::kMouseChooser))
            ->m_displayText;
    }
    static bool MouseOptionSelected() {
        return (g_radioState & RadioBitOf(CKeyMapSettingDlg::kMouseOption)) != 0;
    }
    static bool KeyOptionSelected() {
        return (g_radioState & RadioBitOf(CKeyMapSettingDlg::kKeyOption)) != 0;
    }
    static Notification Reported(KeyMapCode code) { return {CKeyMapSettingDlg::kResultMessage, kKeyA, code}; }
};

TEST_F(KeyMapSettingDlgTest, AMouseFunctionOpensOnTheMouseOptionAndOkReportsItUnchanged) {
    auto reported = Run(
        0xD5,
        [&](CKeyMapSettingDlg& dialog) {
            EXPECT_EQ(dialog.clientRect(), (ui::Rect{0, 0, 496, 247}));
            EXPECT_EQ(Chooser(dialog), "Double-click");
            EXPECT_TRUE(MouseOptionSelected());
            EXPECT_FALSE(KeyOptionSelected());
            EXPECT_EQ(Offered(dialog), "A");  // the key's label: no key is offered yet
            EXPECT_EQ(dialog.KeyChoice(), kUsageA);
            SaveArtefact(dialog, "key_map_setting_dialog_mouse.png");
            ClickControl(dialog, kOkButton);
        },
        ui::IDOK);
    EXPECT_EQ(reported, (std::vector<Notification>{Reported(0xD5)}));
}

TEST_F(KeyMapSettingDlgTest, AKeyPressedAnywhereIsOfferedByItsUsage) {
    struct Case {
        std::uint8_t virtualKey;
        const char* shown;
        KeyMapCode offered;
    } cases[] = {
        {0x41, "A", 0x04},         {0xA3, "Ctrl_R", 0xE4}, {0x0E, "Keypad Enter", 0x58},
        {0x0C, "Clear", 0x00},      // a key without usage
        {0xAD, "Undefined", 0x00},  // nor a name
    };
    for (const Case& c : cases) {
        owner.received.clear();
        auto reported = Run(
            0x2C,
            [&](CKeyMapSettingDlg& dialog) {
                EXPECT_EQ(Offered(dialog), "Space");  // the current code's name
                EXPECT_EQ(Chooser(dialog), "Click");
                PressKey(c.virtualKey);
                EXPECT_EQ(Offered(dialog), c.shown);
                EXPECT_TRUE(KeyOptionSelected());
                if (c.virtualKey == 0x41) {
                    SaveArtefact(dialog, "key_map_setting_dialog_key.png");
                }
                ClickControl(dialog, kOkButton);
            },
            ui::IDOK);
        EXPECT_EQ(reported, (std::vector<Notification>{Reported(c.offered)})) << c.shown;
    }
}

// The list's choice only counts with the mouse option selected.
TEST_F(KeyMapSettingDlgTest, TheOptionDecidesWhichChoiceOkReports) {
    auto keyKept = Run(
        0x16,
        [&](CKeyMapSettingDlg& dialog) {
            ChooseMouseFunction(dialog, "Fire");
            EXPECT_EQ(Chooser(dialog), "Fire");
            EXPECT_EQ(dialog.MouseChoice(), 0xD6);
            EXPECT_EQ(dialog.Popup(CMultimediaPopup::kKind), nullptr);
            EXPECT_TRUE(KeyOptionSelected());
            ClickControl(dialog, kOkButton);
        },
        ui::IDOK);
    EXPECT_EQ(keyKept, (std::vector<Notification>{Reported(0x16)}));

    owner.received.clear();
    auto mouseTaken = Run(
        0x16,
        [&](CKeyMapSettingDlg& dialog) {
            ChooseMouseFunction(dialog, "Fire");
            ClickControl(dialog, CKeyMapSettingDlg::kMouseOption);
            EXPECT_TRUE(MouseOptionSelected());
            PressKey(0x42);  // a key pressed now changes the key choice only
            EXPECT_TRUE(MouseOptionSelected());
            ClickControl(dialog, kOkButton);
        },
        ui::IDOK);
    EXPECT_EQ(mouseTaken, (std::vector<Notification>{Reported(0xD6)}));
}

TEST_F(KeyMapSettingDlgTest, EveryMouseFunctionOfTheListHasItsCode) {
    const std::pair<const char*, KeyMapCode> functions[] = {
        {"Click", 0xD0},      {"Menu", 0xD1},         {"Middle Button", 0xD2}, {"IE Backward", 0xD3},
        {"IE Forward", 0xD4}, {"Double-click", 0xD5}, {"Fire", 0xD6},
    };
    Run(
        0x04,
        [&](CKeyMapSettingDlg& dialog) {
            for (const auto& [name, code] : functions) {
                ChooseMouseFunction(dialog, name);
                EXPECT_EQ(dialog.MouseChoice(), code) << name;
                EXPECT_EQ(Chooser(dialog), name);
            }
            ClickControl(dialog, kCancelButton);
        },
        ui::IDCANCEL);
}

TEST_F(KeyMapSettingDlgTest, TheListOpensBelowTheChooserAndClosesWhenItLosesTheFocus) {
    Run(
        0x04,
        [&](CKeyMapSettingDlg& dialog) {
            ClickControl(dialog, CKeyMapSettingDlg::kMouseChooser);
            auto* chooser = static_cast<CComboButton*>(dialog.FindControl(CKeyMapSettingDlg::kMouseChooser));
            CWndPopup* list = dialog.Popup(CMultimediaPopup::kKind);
            ASSERT_NE(list, nullptr);
            EXPECT_TRUE(chooser->m_open);
            const ui::Rect below = chooser->GetRect();
            EXPECT_EQ(list->windowRect().topLeft(), dialog.clientToScreen({below.left, below.bottom}));
            EXPECT_EQ(list->windowRect().width(), below.width());
            driver.desktop(dialog.windowRect().united(list->windowRect()))
                .savePng(std::string(QUELDA_ARTEFACTS_DIR) + "/key_map_setting_dialog_list.png");

            driver.activate(dialog);  // the list loses the activation
            EXPECT_FALSE(chooser->m_open);
            EXPECT_EQ(dialog.Popup(CMultimediaPopup::kKind), nullptr);
            EXPECT_EQ(Chooser(dialog), "Click");
            ClickControl(dialog, kCancelButton);
        },
        ui::IDCANCEL);
}

TEST_F(KeyMapSettingDlgTest, RestoreDefaultGivesBackTheKeysOwnCode) {
    auto reported = Run(
        0xD2,
        [&](CKeyMapSettingDlg& dialog) {
            PressKey(0x5A);
            ClickControl(dialog, CKeyMapSettingDlg::kDefaultButton);
            EXPECT_TRUE(KeyOptionSelected());
            EXPECT_FALSE(MouseOptionSelected());
            EXPECT_EQ(Offered(dialog), "A");
            ClickControl(dialog, kOkButton);
        },
        ui::IDOK);
    EXPECT_EQ(reported, (std::vector<Notification>{Reported(kUsageA)}));
}

TEST_F(KeyMapSettingDlgTest, CancelAndCloseReportNothingWhateverWasChosen) {
    for (ui::UINT button : {kCancelButton, kCloseButton}) {
        auto reported = Run(
            0x04,
            [&](CKeyMapSettingDlg& dialog) {
                PressKey(0x42);
                ChooseMouseFunction(dialog, "Menu");
                ClickControl(dialog, CKeyMapSettingDlg::kMouseOption);
                ClickControl(dialog, button);
            },
            ui::IDCANCEL);
        EXPECT_TRUE(reported.empty()) << button;
    }
}

}  // namespace
