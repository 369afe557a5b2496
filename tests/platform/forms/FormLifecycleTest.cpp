#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/TApplication.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TForm.h"
#include "platform/ui/headless/Driver.h"

using namespace forms;

namespace {

// A form whose handlers are its own members, as the programs' forms are.
class LoggingForm : public TForm {
public:
    explicit LoggingForm(std::vector<std::string>& log) : log_(log) {
        OnCreate = [this](TForm*) { log_.push_back("create"); };
        OnActivate = [this](TForm*) { log_.push_back("activate"); };
        OnDestroy = [this](TForm*) { log_.push_back("destroy"); };
    }
    ~LoggingForm() override { Release(); }

private:
    std::vector<std::string>& log_;
};

TEST(FormLifecycleTest, CreateOnceActivateEachTimeDestroyBeforeTheFormGoes) {
    ui::headless::Driver driver;
    std::vector<std::string> log;
    {
        auto form = Application->CreateForm<LoggingForm>(log);
        EXPECT_EQ(Application->MainForm(), form.get());
        form->DoCreate();  // a second call does nothing
        TForm other;
        form->Show();
        other.Show();
        form->Show();
        EXPECT_EQ(log, (std::vector<std::string>{"create", "activate", "activate"}));
    }
    EXPECT_EQ(log.back(), "destroy");
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST(FormLifecycleTest, AModalFormEndsWithItsButtonsResultAndKeepsTheOthersDisabledMeanwhile) {
    ui::headless::Driver driver;
    TForm main;
    main.Show();
    TForm dialog;
    dialog.SetBorderStyle(TBorderStyle::bsDialog);
    dialog.SetClientSize(200, 100);
    auto& ok = dialog.Add<TButton>("ButtonClose");
    ok.SetBounds(10, 10, 75, 25);
    ok.SetModalResult(mrOk);
    bool mainDisabled = false;
    driver.answerModal([&](ui::Window& shown) {
        mainDisabled = !main.isEnabled();
        const ui::Point origin = dialog.ClientOrigin();
        driver.click(shown, {origin.x + 20, origin.y + 20});
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(main.isEnabled());
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(dialog.ClientWidth(), 200) << "the border is outside the client area";
    EXPECT_GT(dialog.Width(), 200);
}

}  // namespace
