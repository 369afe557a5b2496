#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "PopupFixture.h"
#include "keyboard/dialogs/CComboPopup.h"
#include "keyboard/dialogs/CProfilePopup.h"
#include "keyboard/resources/MainWindowLayout.h"
#include "keyboard/toolkit/CComboButton.h"
#include "keyboard/toolkit/ControlDrawing.h"

namespace {

constexpr int kMainBitmap = 129;
constexpr int kMacroPagePicture = 259;
constexpr int kPageBandTop = 169;
constexpr ui::UINT kGKeyMenuOpen = 1028;
constexpr ui::UINT kMenuChoice = 1027;
constexpr ui::UINT kMultimediaHovered = 1030;
constexpr ui::UINT kMultimediaChoice = 1031;

// The MACRO page's band with its G-key buttons, as the main window shows it,
// opening the menu below a button and the Multimedia list beside the menu.
class MacroPageOwner : public TestDialog {
public:
    MacroPageOwner() {
        m_width = 805;
        m_height = 588;
    }
    ui::BOOL OnInitDialog() override {
        CDlgBase::OnInitDialog();
        SetBackground(kMainBitmap);
        m_page = std::make_unique<ui::MemoryDC>(LoadBitmapResource(kMacroPagePicture));
        return ui::TRUE;
    }
    void CreateControls(const ui::Rect&) override {
        int slot = 1;
        for (const auto& place : layout::kGKeyCombos) {
            const ui::Rect rect{place.rect.left, place.rect.top, place.rect.right, place.rect.bottom};
            auto combo =
                std::make_unique<CComboButton>(this, kGKeyMenuOpen, place.id, rect, std::string{}, ui::TRUE,
                                               ui::FALSE, ui::TRUE, "CTRL+" + std::to_string(slot++));
            combo->SetImage(static_cast<int>(place.image));
            AddControl(1, std::move(combo));
        }
    }
    void DrawBackground(ui::DeviceContext& dc, const ui::Rect& rect) override {
        DrawBackgroundPicture(dc, rect);
        dc.bitBlt(ui::rectAt(0, kPageBandTop, m_page->width(), m_page->height()), *m_page, {0, 0});
        DrawControls(dc, rect);
    }
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override {
        if (message == kGKeyMenuOpen) {
            OpenMenuBelow(static_cast<ui::UINT>(wParam));
        } else if (message == kMultimediaHovered) {
            const ui::Rect menu = Popup(CComboPopup::kKind)->windowRect();
            auto* list = new CProfilePopup;
            list->Open(this, ui::rectAt(menu.right, menu.top, 0, 0), kMultimediaChoice, 0);
            SetPopup(CProfilePopup::kKind, list);
        } else if (message == kMenuChoice && wParam != 0 && lParam != 0) {
            Caption(static_cast<ui::UINT>(wParam)) = reinterpret_cast<const SelectorResult*>(lParam)->name;
            invalidate();
            ClosePopup(CComboPopup::kKind);
        }
        return TestDialog::WindowProc(message, wParam, lParam);
    }
    std::string& Caption(ui::UINT id) { return static_cast<CComboButton*>(FindControl(id))->m_displayText; }

private:
    void OpenMenuBelow(ui::UINT id) {
        ClosePopup(CComboPopup::kKind);
        const ui::Rect button = FindControl(id)->GetRect();
        const ui::Point corner = clientToScreen({button.left, button.bottom});
        auto* menu = new CComboPopup;
        menu->Open(this, ui::rectAt(corner.x, corner.y, 300, 300), kMenuChoice, id);
        SetPopup(CComboPopup::kKind, menu);
    }
    std::unique_ptr<ui::MemoryDC> m_page;
};

class GKeyMenuPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.Create(nullptr));
        driver.runUntilIdle();
    }
    void Click(ui::Window& window, ui::Point point) {
        driver.advance(std::chrono::seconds(1));
        driver.click(window, point);
    }
    void ClickButton(ui::UINT id) {
        const ui::Rect r = owner.FindControl(id)->GetRect();
        Click(owner, {r.left + r.width() / 2, r.top + r.height() / 2});
    }
    CSelectorPopup& Open(int kind) { return *static_cast<CSelectorPopup*>(owner.Popup(kind)); }

    ui::headless::Driver driver;
    MacroPageOwner owner;
};

TEST_F(GKeyMenuPictureTest, TheMenuBelowTheButtonWithTheMultimediaListBesideIt) {
    ClickButton(2078);
    ASSERT_NE(owner.Popup(CComboPopup::kKind), nullptr);
    CSelectorPopup& first = Open(CComboPopup::kKind);
    EXPECT_EQ(first.windowRect().topLeft(), owner.clientToScreen({330, 232}));
    Click(first, Centre(first, "Default Function"));
    driver.runUntilIdle();
    EXPECT_EQ(owner.Caption(2078), "默认功能");
    EXPECT_EQ(owner.Popup(CComboPopup::kKind), nullptr);

    ClickButton(2079);
    CSelectorPopup& menu = Open(CComboPopup::kKind);
    driver.mouseMove(menu, Centre(menu, "Multimedia"));
    ASSERT_NE(owner.Popup(CProfilePopup::kKind), nullptr);
    CSelectorPopup& list = Open(CProfilePopup::kKind);
    EXPECT_EQ(list.windowRect(), ui::rectAt(menu.windowRect().right, menu.windowRect().top, 158, 134));
    driver.mouseMove(list, Centre(list, "Volume+"));
    EXPECT_EQ(list.Items()[static_cast<std::size_t>(list.HotItem())].text, "Volume+");

    const std::filesystem::path folder(QUELDA_ARTEFACTS_DIR);
    std::filesystem::create_directories(folder);
    const ui::Image desktop = driver.desktop(owner.windowRect());
    EXPECT_TRUE(desktop.savePng((folder / "gkey_menu_multimedia.png").string()));
    // Both popups lie inside the window's picture: nothing of them is cut off.
    EXPECT_TRUE(owner.windowRect().intersected(list.windowRect()) == list.windowRect());
    EXPECT_TRUE(owner.windowRect().intersected(menu.windowRect()) == menu.windowRect());
}

}  // namespace
