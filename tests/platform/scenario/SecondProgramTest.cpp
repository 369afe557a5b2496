// A second, tiny program driven by the same runner: a plain window with two
// buttons, a dialog the second one opens, and a verb of its own. The runner
// must not need anything of the configurator to drive it.
#include <gtest/gtest.h>

#include <string>

#include "platform/scenario/Runner.h"
#include "platform/scenario/Values.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/headless/Driver.h"
#include "support/TempFolder.h"

namespace {

constexpr ui::UINT kCountButton = 1;
constexpr ui::UINT kAskButton = 2;
constexpr ui::UINT kYesButton = 10;

struct Button {
    ui::UINT id;
    ui::Rect rect;
};

// Paints its buttons as grey boxes; a click inside one is its press.
class ButtonWindow {
public:
    static int hit(const std::vector<Button>& buttons, ui::Point point) {
        for (const Button& button : buttons) {
            if (button.rect.contains(point)) {
                return static_cast<int>(button.id);
            }
        }
        return 0;
    }
    static void paint(ui::Window& window, const std::vector<Button>& buttons) {
        ui::PaintDC dc(window);
        dc.fillRect(window.clientRect(), ui::RGB(255, 255, 255));
        for (const Button& button : buttons) {
            dc.fillRect(button.rect, ui::RGB(128, 128, 128));
        }
    }
};

class AskDialog : public ui::Dialog {
public:
    explicit AskDialog(ui::Window* owner) : ui::Dialog(owner) {
        windowOptions().title = "Ask";
        windowOptions().rect = ui::rectAt(50, 50, 120, 60);
    }
    std::vector<Button> buttons{{kYesButton, ui::rectAt(10, 10, 40, 20)}};

protected:
    void OnPaint() override { ButtonWindow::paint(*this, buttons); }
    void OnLButtonUp(ui::UINT, ui::Point point) override {
        if (ButtonWindow::hit(buttons, point) == static_cast<int>(kYesButton)) {
            EndDialog(ui::IDOK);
        }
    }
};

class CounterWindow : public ui::Window {
public:
    std::vector<Button> buttons{{kCountButton, ui::rectAt(10, 10, 60, 30)},
                                {kAskButton, ui::rectAt(80, 10, 60, 30)}};
    int counted = 0;
    int answeredYes = 0;

protected:
    void OnPaint() override { ButtonWindow::paint(*this, buttons); }
    void OnLButtonUp(ui::UINT, ui::Point point) override {
        const int id = ButtonWindow::hit(buttons, point);
        if (id == static_cast<int>(kCountButton)) {
            ++counted;
        } else if (id == static_cast<int>(kAskButton)) {
            AskDialog dialog(this);
            answeredYes += dialog.DoModal() == ui::IDOK;
        }
    }
    void OnClose() override { endModal(0); }
};

class CounterAdapter : public scenario::ProgramAdapter {
public:
    CounterWindow* window = nullptr;

    bool isMainWindow(ui::Window& candidate) override {
        window = dynamic_cast<CounterWindow*>(&candidate);
        return window != nullptr;
    }
    std::vector<scenario::Control> controls(ui::Window& open) override {
        std::vector<scenario::Control> result;
        const auto* buttons = &window->buttons;
        if (auto* dialog = dynamic_cast<AskDialog*>(&open)) {
            buttons = &dialog->buttons;
        } else if (&open != window) {
            return result;
        }
        for (const Button& button : *buttons) {
            result.push_back({button.id, button.rect, true, true, "kind=box"});
        }
        return result;
    }
    std::string dumpMainWindow(ui::Window&) override {
        return "counter visible=" + std::to_string(window->isVisible()) + "\n";
    }
    std::vector<scenario::DumpPart> dumpParts() const override { return {{"counts", true}}; }
    std::string dump(const std::string&, ui::Window*) override {
        return "counts counted=" + std::to_string(window->counted) +
               " yes=" + std::to_string(window->answeredYes) + "\n";
    }
    void addVerbs(scenario::VerbTable& verbs) override {
        verbs.add({"set-count", 1, 1, scenario::Phase::window, false, false,
                   [this](scenario::Runner& runner, const scenario::Line& line) {
                       auto count = scenario::parseNumber(line.words[0]);
                       if (!count) {
                           return runner.fail(line, "a number is needed");
                       }
                       window->counted = static_cast<int>(*count);
                       return true;
                   }});
    }
};

struct Outcome {
    int exitCode;
    std::string err;
};

Outcome runCounter(const std::string& text) {
    ui::headless::Driver driver;
    CounterAdapter adapter;
    scenario::VerbTable verbs = scenario::Runner::verbsFor(adapter);
    std::string error;
    auto script = scenario::parseScript("counter.txt", text, verbs, error);
    if (!script) {
        return {2, error};
    }
    testing::internal::CaptureStderr();
    scenario::Runner runner(std::move(*script), std::move(verbs), adapter, driver);
    const int exitCode = runner.run([] {
        CounterWindow window;
        window.create({.rect = ui::rectAt(0, 0, 200, 100), .title = "Counter", .visible = true});
        window.runModal();
    });
    return {exitCode, testing::internal::GetCapturedStderr()};
}

TEST(SecondProgram, ItsButtonsAndItsOwnVerbAreDrivenByTheRunner) {
    Outcome run = runCounter(
        "click 1\nclick 1\nexpect \"counts counted=2\"\n"
        "set-count 7\nclick 1\nexpect \"counts counted=8\"\nexpect \"counter visible=1\"\nquit\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST(SecondProgram, LinesAfterEnterDialogActOnTheDialogUntilItCloses) {
    TempFolder folder;
    Outcome run = runCounter(
        "enter-dialog \"Ask\"\nclick 2\n"
        "expect \"dialog 1 title=\\\"Ask\\\"\"\nexpect \"dialog 1 control 10 visible=1 enabled=1 kind=box\"\n"
        "screenshot \"" +
        folder.file("ask.png") +
        "\"\n"
        "click 10\n"
        "expect \"counts counted=0 yes=1\"\nexpect-not \"dialog 1\"\nquit\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(folder.exists("ask.png"));
}

TEST(SecondProgram, FailuresNameTheLineAndUnknownVerbsDoNotParse) {
    struct Case {
        const char* script;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {"click 3\n", 1, "counter.txt:1: click: there is no control 3"},
        {"set-count many\n", 1, "counter.txt:1: set-count: a number is needed"},
        {"enter-dialog \"Other\"\nclick 2\nclick 10\n", 1,
         "counter.txt:1: enter-dialog: the dialog was \"Ask\""},
        {"dump frames\n", 1, "dump: all, window or counts expected"},
        {"attach\n", 2, "counter.txt:1: unknown command \"attach\""},
    };
    for (const Case& c : cases) {
        Outcome run = runCounter(c.script);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.script;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.script << "\n" << run.err;
    }
}

TEST(ScenarioWords, QuotesEscapesAndComments) {
    auto words = scenario::splitWords(R"(expect "a \"b\" c\\d"  x,y  # not a comment here)");
    ASSERT_TRUE(words);
    EXPECT_EQ(*words, (std::vector<std::string>{"expect", "a \"b\" c\\d", "x,y", "#", "not", "a", "comment",
                                                "here"}));
    EXPECT_TRUE(scenario::splitWords("   # a comment")->empty());
    EXPECT_FALSE(scenario::splitWords("type \"open"));
}

}  // namespace
