#include <gtest/gtest.h>

#include "ToolkitFixture.h"
#include "keyboard/toolkit/CEditShowList.h"
#include "keyboard/toolkit/CImageShowList.h"

namespace {

using ui::Rect;

// A 100-pixel list shows five rows from y 20; row k is at y 20 + 20 k.
class EditShowListTest : public ToolkitFixture {
protected:
    CEditShowList* List(std::initializer_list<const char*> names) {
        library = MacroLibrary::Default();
        for (const char* name : names) {
            library.sets.front().AddMacro(name);
        }
        auto* list = Add<CEditShowList>(1, 2015, Rect{10, 20, 150, 120}, &library);
        list->ShowSet(0);
        driver.mouseAway();  // the new list, not an older one in its place, gets the mouse
        return list;
    }
    void ClickRow(int row) {
        driver.advance(std::chrono::seconds(1));  // no double click
        driver.click(dialog, {60, 20 + 20 * row + 10});
    }
    MacroLibrary library;
};

TEST_F(EditShowListTest, PressBelowTheLastMacroKeepsTheSelection) {
    CEditShowList* list = List({"One", "Two"});
    EXPECT_EQ(list->Selection(), 0);
    ClickRow(1);
    EXPECT_EQ(list->Selection(), 1);
    ClickRow(3);
    EXPECT_EQ(list->Selection(), 1);
    EXPECT_EQ(CodesFrom(2015).back(), kNotifyClicked);
}

TEST_F(EditShowListTest, ScrolledListSelectsNothingPastItsEnd) {
    CEditShowList* list = List({"1", "2", "3", "4", "5", "6", "7"});
    list->ScrollToEnd();
    EXPECT_EQ(list->FirstVisibleRow(), 2);
    ClickRow(4);
    EXPECT_EQ(list->Selection(), 6);
    // Opening the editor scrolls one row further: the last row is the editor's.
    list->BeginNewName();
    EXPECT_EQ(list->FirstVisibleRow(), 3);
    ClickRow(4);
    EXPECT_EQ(list->Selection(), 6);
    EXPECT_EQ(list->Edit(), nullptr);  // the empty name closed it
}

TEST_F(EditShowListTest, InlineEditGoesBelowTheLastMacroOrOnTheLastRow) {
    CEditShowList* list = List({"One", "Two"});
    EXPECT_TRUE(list->BeginNewName());
    ASSERT_NE(list->Edit(), nullptr);
    EXPECT_EQ(list->Edit()->id(), CEditShowList::kEditId);
    EXPECT_EQ(list->Edit()->rect(), (Rect{12, 20 + 40 + 2, 148, 20 + 40 + 20}));
    EXPECT_TRUE(list->Edit()->hasFocus());
    EXPECT_FALSE(list->BeginNewName());

    CEditShowList* full = List({"1", "2", "3", "4", "5", "6"});
    EXPECT_TRUE(full->BeginNewName());
    EXPECT_EQ(full->FirstVisibleRow(), 2);
    EXPECT_EQ(full->Edit()->rect(), (Rect{12, 20 + 80 + 2, 148, 20 + 80 + 20}));

    CEditShowList unbound(&dialog, 2017, Rect{0, 0, 50, 50}, &library);
    EXPECT_TRUE(unbound.BeginNewName());
    EXPECT_EQ(unbound.Edit(), nullptr);
}

TEST_F(EditShowListTest, CommittingANameFollowsTheNameRules) {
    struct Case {
        const char* typed;
        std::vector<ui::LPARAM> codes;
        bool added;
        bool stillOpen;
    } cases[] = {
        {"ABCDEFGHIJKL", {kNotifyNameAdded}, true, false},
        {"ABCDEFGHIJKLM", {kNotifyNameTooLong}, false, true},
        {"Two", {kNotifyNameExists}, false, true},
        {"A long old name", {kNotifyNameTooLong}, false, true},  // taken and too long
        {"", {}, false, false},
    };
    for (const Case& c : cases) {
        CEditShowList* list = List({"Two", "A long old name"});
        dialog.received.clear();
        ASSERT_TRUE(list->BeginNewName());
        driver.typeText(c.typed);
        EXPECT_EQ(list->GetEditText(), c.typed);
        ClickRow(0);
        std::vector<ui::LPARAM> codes;
        for (ui::LPARAM code : CodesFrom(2015)) {
            if (code >= kNotifyNameAdded)
                codes.push_back(code);
        }
        EXPECT_EQ(codes, c.codes) << c.typed;
        EXPECT_EQ(library.FindMacro(c.typed) != nullptr && library.sets.front().macros.size() == 3, c.added)
            << c.typed;
        EXPECT_EQ(list->Edit() != nullptr, c.stillOpen) << c.typed;
        if (list->Edit()) {  // an empty name closes it, out of the next case's way
            list->Edit()->setText("");
            ClickRow(0);
        }
    }
}

TEST(ImageShowListText, KeysAndDelays) {
    struct Case {
        MacroAction action;
        const char* text;
    } cases[] = {
        {MacroAction::Key(0x41, false), "A Press"},
        {MacroAction::Key(0x41, true), "A Release"},
        {MacroAction{{0x03, 0x00, 0x07, 0xD0}}, "2000ms"},
        {MacroAction{{0x00, 0x01, 0x00, 0x00}}, "65536ms"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CImageShowList::ActionText(c.action), c.text);
    }
}

TEST_F(ToolkitFixture, ImageShowListSelectsThePressedActionAndDrawsItsIcon) {
    MacroKey macro;
    macro.AppendAction(MacroAction::Key(0x41, false));
    macro.AppendAction(MacroAction::Delay(2000));
    macro.AppendAction(MacroAction::Key(0x41, true));
    auto* list = Add<CImageShowList>(1, 2018, Rect{10, 20, 150, 120});
    list->m_macro = &macro;
    driver.click(dialog, {60, 20 + 20 + 10});
    EXPECT_EQ(list->m_selection, 1);
    driver.advance(std::chrono::seconds(1));
    driver.click(dialog, {60, 20 + 80 + 10});
    EXPECT_EQ(list->m_selection, 1);
    EXPECT_EQ(CodesFrom(2018).back(), kNotifyClicked);

    ui::Image surface = driver.surface(dialog);
    EXPECT_EQ(surface.pixel(140, 20 + 20 + 1) & 0xFFFFFFu, 0x35A0DEu);  // selected row in blue
    EXPECT_EQ(surface.pixel(140, 20 + 1) & 0xFFFFFFu, 0x051026u);       // others on the list ground
    EXPECT_FALSE(list->IconSize() == (ui::Size{0, 0}));
}

}  // namespace
