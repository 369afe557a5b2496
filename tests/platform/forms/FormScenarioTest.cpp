#include "TestForm.h"
#include "platform/forms/FormScenario.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TPopupMenu.h"
#include "platform/forms/TTrackBar.h"

using namespace forms;

namespace {

using FormScenarioTest = TestFormFixture;

TEST_F(FormScenarioTest, ControlsAreClickedAndDraggedByName) {
    int tagSeen = 0;
    get<TImage>("EQResetImage").OnClick = [&](TObject* sender) { tagSeen = sender->Tag(); };
    std::string error;
    ASSERT_TRUE(clickControl(driver, "EQResetImage", error)) << error;
    EXPECT_EQ(tagSeen, 5);

    auto& slider = get<TTrackBar>("EQ300Slider");
    ASSERT_TRUE(dragControl(driver, "EQ300Slider", {-40, 0}, error)) << error;
    EXPECT_LT(slider.Position(), 50);
    EXPECT_GT(slider.Position(), 0);

    EXPECT_FALSE(clickControl(driver, "NoSuchImage", error));
    EXPECT_EQ(error, "no control is named \"NoSuchImage\"");
    get<TImage>("EQResetImage").Hide();
    EXPECT_FALSE(clickControl(driver, "EQResetImage", error));
    EXPECT_EQ(error, "\"EQResetImage\" is not shown");
}

TEST_F(FormScenarioTest, MenuItemsAreFoundByTheirShownCaption) {
    const std::optional<ui::UINT> close = menuCommandFor("Close");
    ASSERT_TRUE(close);
    EXPECT_EQ(*close, get<TMenuItem>("CloseMenu").Command());
    EXPECT_EQ(menuCommandFor("Deutsch"), get<TMenuItem>("DeutschItem").Command()) << "inside a sub-menu";
    EXPECT_FALSE(menuCommandFor("Language")) << "a sub-menu is not an item to choose";
    bool chosen = false;
    get<TMenuItem>("CloseMenu").OnClick = [&](TObject*) { chosen = true; };
    driver.answerPopupMenu(*close);
    get<TPopupMenu>("PopupMenu").Popup(0, 0);
    EXPECT_TRUE(chosen);
}

TEST_F(FormScenarioTest, TheDumpListsEachShownFormsComponents) {
    const std::string dump = dumpForms();
    for (const char* line : {
             "form TestForm at=0,0 client=240x140 visible=1 minimized=0",
             "component TestForm.EQResetImage TImage at=0,0 size=100x60 visible=1 tag=5 picture=\"backdrop.bmp\"",
             "component TestForm.SXLabel TLabel at=10,10",
             "caption=\"S1\"",
             "component TestForm.EQ300Slider TTrackBar at=0,70 size=120x45 visible=1 position=50 range=0..100",
             "component TestForm.RadioOff TRadioButton at=138,78 size=80x17 visible=1 caption=\"Off\" checked=1",
             "component TestForm.BeeCheckBox TCheckBox at=0,120 size=80x17 visible=1 caption=\"Bee\" checked=0",
             "component TestForm.Timer1 TTimer enabled=0 interval=20",
             "component TestForm.DeutschItem TMenuItem caption=\"Deutsch\" checked=0",
             "component TestForm.CTrayIcon TCTrayIcon id=",
         }) {
        EXPECT_NE(dump.find(line), std::string::npos) << line << "\n" << dump;
    }
    form.Hide();
    EXPECT_EQ(dumpForms().find("component"), std::string::npos) << "hidden forms list no components";
}

}  // namespace
