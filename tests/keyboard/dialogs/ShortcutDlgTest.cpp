#include <gtest/gtest.h>

#include <optional>

#include "DialogFixture.h"
#include "keyboard/dialogs/CShortcutDlg.h"
#include "keyboard/dialogs/DialogButtons.h"
#include "keyboard/toolkit/CCheckButton.h"
#include "keyboard/toolkit/CStaticText.h"
#include "platform/hook/CKeyboardHook.h"

namespace {

struct KeyEvent {
    std::uint8_t virtualKey;
    bool released;
};

class ShortcutDlgTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        owner.onNotify = [&](const Notification& n) {
            if (n.message == CShortcutDlg::kResultMessage) {
                EXPECT_EQ(n.wParam, kOkButton);
                sent.push_back(*reinterpret_cast<const SelectorResult*>(n.lParam));
            }
        };
    }
    void ClickControl(CShortcutDlg& dialog, ui::UINT id) {
        const ui::Rect r = dialog.FindControl(id)->GetRect();
        Click(dialog, {r.left + r.width() / 2, r.top + r.height() / 2});
    }
    static CCheckButton& Box(CShortcutDlg& dialog, ui::UINT id) {
        return *static_cast<CCheckButton*>(dialog.FindControl(id));
    }
    // Ticks the boxes, sends the key events, then presses `end`.
    void Run(const std::vector<ui::UINT>& ticks, const std::vector<KeyEvent>& keys,
             ui::UINT end = kOkButton) {
        driver.answerModal([&](ui::Window& window) {
            auto& dialog = static_cast<CShortcutDlg&>(window);
            for (ui::UINT box : ticks) {
                ClickControl(dialog, box);
            }
            for (const KeyEvent& key : keys) {
                hook::injectKey(key.virtualKey, key.released);
            }
            driver.runUntilIdle();
            ClickControl(dialog, end);
        });
        CShortcutDlg dialog(&owner);
        EXPECT_EQ(dialog.DoModal(), ui::IDCANCEL);  // the owner hears of OK only through the message
    }
    std::vector<SelectorResult> sent;
};

std::vector<KeyEvent> Tap(std::uint8_t virtualKey) {
    return {{virtualKey, false}, {virtualKey, true}};
}

TEST_F(ShortcutDlgTest, OkSendsTheTickedModifiersAndTheLastKey) {
    using Ids = std::vector<ui::UINT>;
    const Ids ctrlAlt = {CShortcutDlg::kCtrlBox, CShortcutDlg::kAltBox};
    const struct Case {
        const char* what;
        Ids ticks;
        std::vector<KeyEvent> keys;
        std::optional<std::tuple<std::string, int, int>> sent;  // text, mask, usage
    } cases[] = {
        {"Ctrl+Alt, 1", ctrlAlt, Tap(0x31), {{"Ctrl+Alt+1", 0x05, 0x1E}}},
        {"every modifier",
         {CShortcutDlg::kWinBox, CShortcutDlg::kShiftBox, CShortcutDlg::kCtrlBox, CShortcutDlg::kAltBox},
         Tap(0x70),
         {{"Ctrl+Shift+Alt+Win+F1", 0x0F, 0x3A}}},
        {"modifiers without a key", {CShortcutDlg::kCtrlBox}, {}, {{"Ctrl", 0x01, 0x00}}},
        {"nothing at all", {}, {}, std::nullopt},
        {"single key ignores the modifiers",
         {CShortcutDlg::kCtrlBox, CShortcutDlg::kSingleKeyBox},
         Tap(0x41),
         {{"A", 0x00, 0x04}}},
        {"Shift then A: the last key wins",
         {},
         {{0xA0, false}, {0xA0, true}, {0x41, false}, {0x41, true}},
         {{"A", 0x00, 0x04}}},
        {"Ctrl held over 1, released last",
         {},
         {{0xA2, false}, {0x31, false}, {0x31, true}, {0xA2, true}},
         {{"Ctrl_L", 0x00, 0xE0}}},
        {"a key named with a plus", {CShortcutDlg::kShiftBox}, Tap(0x6B), {{"Shift+Keypad +", 0x02, 0x57}}},
        {"a key without usage", {}, Tap(0x0C), {{"Clear", 0x00, 0x00}}},
    };
    for (const Case& c : cases) {
        sent.clear();
        Run(c.ticks, c.keys);
        if (!c.sent) {
            EXPECT_TRUE(sent.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(sent.size(), 1u) << c.what;
        const auto& [text, mask, usage] = *c.sent;
        EXPECT_EQ(sent[0].name, text) << c.what;
        EXPECT_EQ(sent[0].category, 0x06) << c.what;
        EXPECT_EQ(sent[0].p1, mask) << c.what;
        EXPECT_EQ(sent[0].p2, usage) << c.what;
    }
}

TEST_F(ShortcutDlgTest, CancelAndCloseSendNothing) {
    for (ui::UINT end : {kCancelButton, kCloseButton}) {
        Run({CShortcutDlg::kCtrlBox}, Tap(0x31), end);
    }
    EXPECT_TRUE(sent.empty());
}

TEST_F(ShortcutDlgTest, TheSingleKeyOptionFreezesTheModifierBoxes) {
    driver.answerModal([&](ui::Window& window) {
        auto& dialog = static_cast<CShortcutDlg&>(window);
        ClickControl(dialog, CShortcutDlg::kShiftBox);
        ClickControl(dialog, CShortcutDlg::kSingleKeyBox);
        for (ui::UINT id : {CShortcutDlg::kCtrlBox, CShortcutDlg::kShiftBox, CShortcutDlg::kAltBox,
                            CShortcutDlg::kWinBox}) {
            EXPECT_TRUE(Box(dialog, id).IsDisabled()) << id;
        }
        ClickControl(dialog, CShortcutDlg::kCtrlBox);  // a frozen box does not change
        EXPECT_FALSE(Box(dialog, CShortcutDlg::kCtrlBox).m_checked);
        hook::injectKey(0x31, false);
        driver.runUntilIdle();
        EXPECT_EQ(static_cast<CStaticText*>(dialog.FindControl(CShortcutDlg::kKeyNameText))->m_staticText,
                  "1");
        SaveArtefact(dialog, "shortcut_dialog_single_key.png");

        ClickControl(dialog, CShortcutDlg::kSingleKeyBox);
        EXPECT_FALSE(Box(dialog, CShortcutDlg::kCtrlBox).IsDisabled());
        EXPECT_TRUE(Box(dialog, CShortcutDlg::kShiftBox).m_checked);  // kept while frozen
        ClickControl(dialog, kOkButton);
    });
    CShortcutDlg dialog(&owner);
    dialog.DoModal();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].name, "Shift+1");
}

TEST_F(ShortcutDlgTest, TheWindowTakesItsShapeFromItsPicture) {
    driver.answerModal([&](ui::Window& window) {
        auto& dialog = static_cast<CShortcutDlg&>(window);
        EXPECT_EQ(dialog.clientRect(), (ui::Rect{0, 0, 420, 206}));
        const ui::Region& shape = driver.record(dialog).shape;
        EXPECT_FALSE(shape.contains({0, 0}));  // a cut corner
        EXPECT_FALSE(shape.contains({419, 205}));
        EXPECT_TRUE(shape.contains({210, 100}));
        hook::injectKey(0x31, false);
        ClickControl(dialog, CShortcutDlg::kCtrlBox);
        ClickControl(dialog, CShortcutDlg::kAltBox);
        SaveArtefact(dialog, "shortcut_dialog.png");
        ClickControl(dialog, kCancelButton);
    });
    CShortcutDlg dialog(&owner);
    dialog.DoModal();
}

}  // namespace
