// The test form run under the platform's scenario runner, as the headset
// panel's scripted runs drive their forms: components by name, drags that
// the application's mouse hook sees, menu items by caption, the dump.
#include <string>

#include "TestForm.h"
#include "platform/forms/FormScenarioAdapter.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTrackBar.h"
#include "platform/scenario/Runner.h"
#include "platform/ui/Messages.h"

using namespace forms;

namespace {

class TestFormAdapter : public FormScenarioAdapter {
public:
    std::string dump(const std::string&, ui::Window*) override { return {}; }
    void addVerbs(scenario::VerbTable&) override {}
};

// The test form, once, under a script: a modal run is answered only once per window.
class FormRunnerTest : public TestFormFixture {
protected:
    TestFormAdapter adapter;

    void SetUp() override {
        TestFormFixture::SetUp();
        Application->SetMainForm(&form);
    }
    void TearDown() override {
        Application->OnMessage = nullptr;
        Application->SetMainForm(nullptr);
    }

    // The script's exit code; what it said on stderr in `said`.
    int run(const std::string& text) {
        scenario::VerbTable verbs = scenario::Runner::verbsFor(adapter);
        std::string error;
        auto script = scenario::parseScript("test.txt", text, verbs, error);
        EXPECT_TRUE(script) << error;
        if (!script) {
            return 2;
        }
        testing::internal::CaptureStderr();
        scenario::Runner runner(std::move(*script), std::move(verbs), adapter, driver);
        const int result = runner.run([this] { form.runModal(); });
        said = testing::internal::GetCapturedStderr();
        return result;
    }

    // Drags the track bar by name with the application hook counting (and
    // maybe stopping) the form's mouse moves; the moves it saw.
    int dragWithHook(bool stop, const std::string& more = "") {
        int moves = 0;
        Application->OnMessage = [&](TMsg& msg, bool& handled) {
            if (msg.message == ui::WM_MOUSEMOVE && msg.hwnd == &form) {
                ++moves;
                handled = stop;
            }
        };
        EXPECT_EQ(run("drag EQ300Slider -40,0\n" + more), 0) << said;
        return moves;
    }

    std::string said;
};

// Each step of the drag is a mouse move the application hook sees before the
// track bar does; a hook that stops them leaves the bar where it was.
TEST_F(FormRunnerTest, ADragByNamePassesTheApplicationHook) {
    EXPECT_EQ(dragWithHook(false), 11) << "onto the bar, then ten steps of 4 pixels";
    const int position = get<TTrackBar>("EQ300Slider").Position();
    EXPECT_LT(position, 50);
    EXPECT_GT(position, 0);
}

TEST_F(FormRunnerTest, TheApplicationHookCanStopADrag) {
    EXPECT_EQ(dragWithHook(true, "expect \"component TestForm.EQ300Slider TTrackBar at=0,70 size=120x45 "
                                 "visible=1 position=50\"\n"),
              11);
    EXPECT_EQ(get<TTrackBar>("EQ300Slider").Position(), 50);
}

TEST_F(FormRunnerTest, NamesAreTargetsAndTheDumpShowsTheComponents) {
    int tagSeen = 0;
    get<TImage>("EQResetImage").OnClick = [&](TObject* sender) { tagSeen = sender->Tag(); };
    EXPECT_EQ(run("click EQResetImage\n"
                  "expect \"form TestForm at=0,0 client=240x140 visible=1 minimized=0\"\n"
                  "expect \"component TestForm.EQResetImage TImage at=0,0 size=100x60 visible=1 tag=5\"\n"
                  "expect \"component TestForm.RadioOff TRadioButton at=138,78 size=80x17 visible=1 "
                  "caption=\\\"Off\\\" checked=1\"\n"
                  "click RadioOn\n"
                  "expect \"component TestForm.RadioOff TRadioButton at=138,78 size=80x17 visible=1 "
                  "caption=\\\"Off\\\" checked=0\"\n"
                  "expect \"component TestForm.DeutschItem TMenuItem caption=\\\"Deutsch\\\" checked=0\"\n"),
              0)
        << said;
    EXPECT_EQ(tagSeen, 5);
}

// The tray icon's menu chooses the item shown as "&Close" by "Close".
TEST_F(FormRunnerTest, AMenuItemIsChosenByItsCaption) {
    bool closeChosen = false;
    get<TMenuItem>("CloseMenu").OnClick = [&](TObject*) { closeChosen = true; };
    EXPECT_EQ(run("menu \"Close\"\ntray right-click\n"), 0) << said;
    EXPECT_TRUE(closeChosen);
}

struct FailingLine {
    const char* name;
    const char* script;
    const char* said;
};

class FormRunnerFailureTest : public FormRunnerTest, public testing::WithParamInterface<FailingLine> {};

// Lines naming what is not there fail with what is wrong, on their own line.
TEST_P(FormRunnerFailureTest, SaysWhatIsWrong) {
    EXPECT_EQ(run(GetParam().script), 1);
    EXPECT_EQ(said, GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FormRunnerFailureTest,
    testing::Values(
        FailingLine{"UnknownName", "click NoSuchImage\n", "test.txt:1: click: no control is named \"NoSuchImage\"\n"},
        FailingLine{"NoOffset", "click ModeBox\ndrag BeeCheckBox 10,a\n", "test.txt:2: drag: dx,dy expected after the target\n"},
        FailingLine{"SubMenuCaption", "menu \"Language\"\ntray right-click\n",
                    "test.txt:1: menu: no menu item is shown as \"Language\"\n"},
        FailingLine{"NoMenuOpened", "menu \"Deutsch\"\nclick EQResetImage\n", "test.txt:1: menu: no menu appeared\n"}),
    [](const testing::TestParamInfo<FailingLine>& line) { return std::string(line.param.name); });

TEST_F(FormRunnerTest, AHiddenComponentIsNotShown) {
    get<TImage>("EQResetImage").Hide();
    EXPECT_EQ(run("press EQResetImage\n"), 1);
    EXPECT_EQ(said, "test.txt:1: press: \"EQResetImage\" is not shown\n");
}

}  // namespace
