#include <gtest/gtest.h>

#include "RecordingWindow.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/headless/Driver.h"

using namespace ui;

namespace {

class ServicesTest : public ::testing::Test {
protected:
    headless::Driver driver;
    RecordingWindow window;
    void SetUp() override { ASSERT_TRUE(window.openAt(rectAt(0, 0, 300, 200))); }
};

TEST_F(ServicesTest, EditReportsEveryChangeToItsParent) {
    EditControl edit;
    ASSERT_TRUE(edit.create(window, 2110, rectAt(10, 10, 60, 20)));
    std::vector<std::string> texts;
    window.onMessage = [&](UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_COMMAND && loWord(wParam) == 2110 && hiWord(wParam) == EN_CHANGE) {
            texts.push_back(edit.text());
        }
        return std::nullopt;
    };
    edit.setText("5");
    edit.setFocus();
    driver.typeText("12");
    driver.keyDown(window, VK_BACK);
    EXPECT_EQ(texts, (std::vector<std::string>{"5", "51", "512", "51"}));
}

TEST_F(ServicesTest, EditLimitCountsCharactersAndKeysPassThePreTranslation) {
    struct Filtering : RecordingWindow {
        std::vector<WPARAM> seen;
        bool PreTranslateMessage(UINT message, WPARAM key, LPARAM) override {
            if (message == WM_KEYDOWN) {
                seen.push_back(key);
            }
            return key == VK_RETURN;
        }
    } dialog;
    ASSERT_TRUE(dialog.openAt(rectAt(0, 0, 100, 100)));
    EditControl edit;
    ASSERT_TRUE(edit.create(dialog, 7, rectAt(0, 0, 50, 20)));
    edit.setLimitText(3);
    edit.setFocus();
    driver.typeText("宏宏宏宏");
    EXPECT_EQ(edit.text(), "宏宏宏");
    driver.keyDown(dialog, VK_RETURN);
    EXPECT_EQ(dialog.seen, (std::vector<WPARAM>{VK_RETURN}));
    EXPECT_TRUE(dialog.entries(WM_KEYDOWN).empty()) << "swallowed by the pre-translation";
}

TEST_F(ServicesTest, MessageBoxesAndFileDialogsTakeScriptedAnswers) {
    EXPECT_EQ(messageBox(&window, "you had run one app!", "Quelda Keyboard"), IDOK);
    driver.answerMessageBox(IDNO);
    EXPECT_EQ(messageBox(&window, "Save?", "Title", MB_YESNO), IDNO);
    ASSERT_EQ(driver.messageBoxes().size(), 2u);
    EXPECT_EQ(driver.messageBoxes()[0].text, "you had run one app!");
    EXPECT_EQ(driver.messageBoxes()[1].type, MB_YESNO);

    FileDialogOptions options;
    options.title = "Load Macro Key from...";
    options.filter = "exe file(*.exe)|*.exe||";
    EXPECT_FALSE(fileDialog(options).has_value());
    driver.answerFileDialog("/tmp/chosen.exe");
    EXPECT_EQ(fileDialog(options), "/tmp/chosen.exe");
    ASSERT_EQ(driver.fileDialogs().size(), 2u);
    EXPECT_EQ(driver.fileDialogs()[1].title, "Load Macro Key from...");
}

TEST_F(ServicesTest, WorkAreaAndCentring) {
    driver.setWorkArea(rectAt(0, 0, 1000, 800));
    window.centerOn(nullptr);
    EXPECT_EQ(window.windowRect(), rectAt(350, 300, 300, 200));
}

}  // namespace
