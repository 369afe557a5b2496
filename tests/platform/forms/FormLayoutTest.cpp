#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TGroupBox.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TRadioButton.h"
#include "platform/ui/headless/Driver.h"

using namespace forms;

namespace {

class FormLayoutTest : public ::testing::Test {
protected:
    ui::headless::Driver driver;
    TempFolder folder;

    std::optional<std::string> load(TForm& form, const std::string& text) {
        folder.write("f.form", text);
        return form.LoadLayout(folder.file("f.form"));
    }
};

TEST_F(FormLayoutTest, ComponentsAreFoundByNameWithTheirPropertiesAndNesting) {
    TForm form;
    const auto error = load(form, R"(TForm MainForm {
    ClientWidth = 300
    ClientHeight = 200
    Caption = "Title with \"quotes\""
    TGroupBox Box {
        Bounds = 20, 30, 100, 80
        TRadioButton Inner {
            Left = 5
            Top = 6
        }
    }
    TLabel Plain {
        Caption = "a, b"
        Font.Name = "DejaVu Sans"
        Font.Style = fsBold fsItalic
        Tag = -7
    }
}
)");
    ASSERT_FALSE(error) << *error;
    EXPECT_EQ(form.Name(), "MainForm");
    EXPECT_EQ(form.Caption(), "Title with \"quotes\"");
    EXPECT_EQ(form.ClientWidth(), 300);
    auto* inner = form.Find<TRadioButton>("Inner");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->Parent(), form.Find<TGroupBox>("Box"));
    EXPECT_EQ(inner->FormRect().topLeft(), (ui::Point{25, 36})) << "placed inside its group box";
    auto* plain = form.Find<TLabel>("Plain");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->Caption(), "a, b");
    EXPECT_EQ(plain->Font().Style, fsBold | fsItalic);
    EXPECT_EQ(plain->Tag(), -7);
    EXPECT_EQ(form.Find<TLabel>("Box"), nullptr) << "a name of another kind";
}

TEST_F(FormLayoutTest, ErrorsNameTheFileAndTheLine) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"TForm F {\n  TImage A {\n    Stretch = maybe\n  }\n}\n", ":3: Stretch: expected true or false"},
        {"TForm F {\n  TWidget A {\n  }\n}\n", ":2: unknown kind \"TWidget\""},
        {"TForm F {\n  TLabel A {\n    Colour = clRed\n  }\n}\n", ":3: Colour: unknown property \"Colour\" of TLabel"},
        {"TForm F {\n  TLabel A {\n  }\n  TLabel A {\n  }\n}\n", ":4: the name \"A\" is taken already"},
        {"TForm F {\n  TLabel A {\n    Caption = \"open\n  }\n}\n", ":3: a quoted text is not closed"},
        {"TForm F {\n  TLabel A {\n  }\n", ":3: the block of TForm opened at line 1 is not closed"},
        {"TForm F {\n  TMenuItem M {\n  }\n}\n", ":2: TMenuItem belongs inside a TPopupMenu"},
        {"TForm F {\n  TImage A {\n    Picture = \"missing.bmp\"\n  }\n}\n", ":3: Picture: cannot read the picture"},
        {"TForm F {\n  TCTrayIcon T {\n    PopupMenu = Nowhere\n  }\n}\n", ":2: no TPopupMenu named \"Nowhere\""},
        {"TForm F {\n  TLabel A {\n    Left = 99999999999\n  }\n}\n", ":3: Left: expected an integer"},
        {"TLabel A {\n}\n", ":1: TLabel must be inside the TForm block"},
    };
    for (const Case& c : cases) {
        TForm form;
        const auto error = load(form, c.text);
        ASSERT_TRUE(error) << c.text;
        EXPECT_NE(error->find(folder.file("f.form") + c.expected), std::string::npos) << *error;
    }
    TForm form;
    const auto missing = form.LoadLayout(folder.file("none.form"));
    ASSERT_TRUE(missing);
    EXPECT_EQ(*missing, folder.file("none.form") + ": cannot be read");
}

}  // namespace
