#include <string>
#include <chrono>
#include <vector>

#include "TestForm.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TRadioButton.h"
#include "platform/forms/TTimer.h"
#include "platform/forms/TTrackBar.h"
#include "platform/ui/Messaging.h"

using namespace forms;

namespace {

class FormInputTest : public TestFormFixture {
protected:
    std::vector<std::string> events;

    void record(TControl& control) {
        control.OnMouseDown = [this](TObject* s, TMouseButton, TShiftState, int x, int y) {
            events.push_back("down " + s->Name() + " " + std::to_string(x) + "," + std::to_string(y));
        };
        control.OnMouseUp = [this](TObject* s, TMouseButton, TShiftState, int, int) {
            events.push_back("up " + s->Name());
        };
        control.OnClick = [this](TObject* s) { events.push_back("click " + s->Name() + " tag " + std::to_string(s->Tag())); };
    }

    void TearDown() override { Application->OnMessage = nullptr; }
};

TEST_F(FormInputTest, AClickOnAnImageReachesItsHandlersWithItsTagAndControlCoordinates) {
    auto& image = get<TImage>("EQResetImage");
    record(image);
    driver.click(form, {80, 40});
    EXPECT_EQ(events, (std::vector<std::string>{"down EQResetImage 80,40", "up EQResetImage", "click EQResetImage tag 5"}));

    // The label lies above the image: it takes the press there, with its own coordinates.
    auto& label = get<TLabel>("SXLabel");
    record(label);
    events.clear();
    driver.click(form, {label.Left() + 2, label.Top() + 3});
    EXPECT_EQ(events, (std::vector<std::string>{"down SXLabel 2,3", "up SXLabel", "click SXLabel tag 5"}));
}

TEST_F(FormInputTest, TheControlPressedKeepsTheMouseAndAReleaseElsewhereIsNoClick) {
    auto& image = get<TImage>("EQResetImage");
    record(image);
    std::vector<int> movesSeenAt;
    image.OnMouseMove = [&](TObject*, TShiftState shift, int x, int) {
        EXPECT_NE(shift & ssLeft, 0u);
        movesSeenAt.push_back(x);
    };
    driver.mouseDown(form, {50, 40});
    driver.mouseMove(form, {200, 40});  // over the form's empty part, far outside the image
    driver.mouseUp(form, {200, 40});
    EXPECT_EQ(movesSeenAt, std::vector<int>{200});
    EXPECT_EQ(events, (std::vector<std::string>{"down EQResetImage 50,40", "up EQResetImage"}));
}

TEST_F(FormInputTest, PressesOutsideEveryControlGoToTheForm) {
    std::vector<ui::Point> presses;
    form.OnMouseDown = [&](TForm*, TMouseButton, TShiftState, int x, int y) { presses.push_back({x, y}); };
    driver.mouseDown(form, {235, 5});
    driver.mouseUp(form, {235, 5});
    get<TImage>("EQResetImage").SetEnabled(false);
    driver.mouseDown(form, {80, 40});  // a disabled control passes its input to its parent
    EXPECT_EQ(presses, (std::vector<ui::Point>{{235, 5}, {80, 40}}));
}

TEST_F(FormInputTest, TheApplicationHookSeesMovesBeforeTheControlAndCanStopThem) {
    auto& image = get<TImage>("EQResetImage");
    std::vector<std::string> order;
    bool stop = false;
    Application->OnMessage = [&](TMsg& msg, bool& handled) {
        if (msg.message == ui::WM_MOUSEMOVE) {
            const TControl* under = Application->FindControlAt(msg.pt);
            order.push_back("hook " + (under ? under->Name() : std::string("none")));
            handled = stop;
        }
    };
    image.OnMouseMove = [&](TObject*, TShiftState, int, int) { order.push_back("image"); };
    driver.mouseMove(form, {80, 45});
    stop = true;
    driver.mouseMove(form, {81, 45});
    EXPECT_EQ(order, (std::vector<std::string>{"hook EQResetImage", "image", "hook EQResetImage"}));
}

TEST_F(FormInputTest, TrackBarFollowsPressAndDragWithinItsRange) {
    auto& slider = get<TTrackBar>("EQ300Slider");
    std::vector<int> changes;
    slider.OnChange = [&](TObject*) { changes.push_back(slider.Position()); };
    const int y = slider.Top() + 18;
    driver.mouseDown(form, {slider.Left() + slider.ThumbCentre(20), y});
    driver.mouseMove(form, {slider.Left() + slider.ThumbCentre(70), y});
    driver.mouseMove(form, {slider.Left() + 500, y});  // past the end: the thumb stops at Max
    driver.mouseUp(form, {slider.Left() + 500, y});
    EXPECT_EQ(changes, (std::vector<int>{20, 70, 100}));
    slider.SetPosition(-5);
    EXPECT_EQ(slider.Position(), 0) << "clamped to Min";
    EXPECT_EQ(changes.back(), 0) << "a change from code raises OnChange too";
}

TEST_F(FormInputTest, CheckBoxTogglesAndRadioButtonsOfOneParentExcludeEachOther) {
    auto& bee = get<TCheckBox>("BeeCheckBox");
    int beeClicks = 0;
    bee.OnClick = [&](TObject*) { ++beeClicks; };
    driver.click(form, centreOf(bee));
    EXPECT_TRUE(bee.Checked());
    bee.SetChecked(false);  // from code: OnClick as for a click
    EXPECT_EQ(beeClicks, 2);

    auto& off = get<TRadioButton>("RadioOff");
    auto& on = get<TRadioButton>("RadioOn");
    ASSERT_TRUE(off.Checked());
    driver.click(form, centreOf(on));
    EXPECT_TRUE(on.Checked());
    EXPECT_FALSE(off.Checked());
}

TEST_F(FormInputTest, ATimerFiresOnTheVirtualClockAndRestartsItsCountWhenChanged) {
    auto& timer = get<TTimer>("Timer1");
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    driver.advance(std::chrono::milliseconds(100));
    EXPECT_EQ(ticks, 0) << "disabled in the layout";
    timer.SetEnabled(true);
    driver.advance(std::chrono::milliseconds(100));
    EXPECT_EQ(ticks, 5);
    driver.advance(std::chrono::milliseconds(15));
    timer.SetInterval(20);  // the count starts again
    driver.advance(std::chrono::milliseconds(15));
    EXPECT_EQ(ticks, 5);
    driver.advance(std::chrono::milliseconds(5));
    EXPECT_EQ(ticks, 6);
}

TEST_F(FormInputTest, ABorderlessFormTakesItsRegionsShapeAndIgnoresInputOutsideIt) {
    ui::Region region(ui::rectAt(0, 0, 240, 60));
    region.unite(ui::rectAt(100, 60, 140, 80));
    form.SetWindowRgn(region);
    EXPECT_EQ(driver.record(form).shape, region);

    auto& bee = get<TCheckBox>("BeeCheckBox");  // at 0,120: outside the region
    driver.click(form, centreOf(bee));
    EXPECT_FALSE(bee.Checked());
    auto& image = get<TImage>("EQResetImage");
    record(image);
    driver.click(form, {80, 40});
    EXPECT_EQ(events.back(), "click EQResetImage tag 5");
}

TEST_F(FormInputTest, SystemMoveDragsTheBorderlessForm) {
    form.OnMouseDown = [&](TForm* sender, TMouseButton, TShiftState, int, int) {
        ui::releaseCapture();
        ui::SendMessage(sender, ui::WM_SYSCOMMAND, 0xF012, 0);
    };
    driver.mouseDown(form, {235, 5});
    driver.mouseMove(form, {245, 25});
    driver.mouseUp(form, {245, 25});
    EXPECT_EQ(driver.record(form).systemMoves, 1);
    EXPECT_NE(form.windowRect().topLeft(), (ui::Point{0, 0})) << "the window followed the pointer";
}

}  // namespace
