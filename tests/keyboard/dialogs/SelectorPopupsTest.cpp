#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

#include "PopupFixture.h"
#include "keyboard/dialogs/CComboPopup.h"
#include "keyboard/dialogs/CDPIPopup.h"
#include "keyboard/dialogs/CLightBrightnessPopup.h"
#include "keyboard/dialogs/CLightModePopup.h"
#include "keyboard/dialogs/CLightSpeedPopup.h"
#include "keyboard/dialogs/CMacroLibraryPopup.h"
#include "keyboard/dialogs/CMultimediaPopup.h"
#include "keyboard/dialogs/CProfilePopup.h"
#include "keyboard/model/MacroLibrary.h"

namespace {

using Bytes = std::tuple<int, int, int>;
Bytes BytesOf(const SelectorResult& r) {
    return {r.category, r.p1, r.p2};
}

constexpr ui::COLORREF kFace = ui::RGB(161, 172, 128);

ui::COLORREF ColourAt(const ui::Image& surface, int x, int y) {
    const ui::Argb argb = surface.pixel(x, y);
    return ui::RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// Pixels of one colour inside a rectangle of the surface.
int CountColour(const ui::Image& surface, const ui::Rect& rect, ui::COLORREF colour) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            count += ColourAt(surface, x, y) == colour;
        }
    }
    return count;
}

MacroLibrary LibraryWith(std::vector<std::string> names) {
    MacroLibrary library = MacroLibrary::Default();
    library.GetSet(0)->macros.clear();
    for (const std::string& name : names) {
        library.GetSet(0)->AddMacro(name);
    }
    return library;
}

class SelectorPopupsTest : public PopupFixture {};

TEST_F(SelectorPopupsTest, EveryPopupHasItsKindWidthAndTheHeightOfItsItems) {
    const MacroLibrary three = LibraryWith({"One", "Two", "Three"});
    const MacroLibrary empty = LibraryWith({});
    const struct {
        std::function<CSelectorPopup*()> make;
        int width;
        int height;
        ui::UINT closeMessage;  // when it loses activation
    } cases[] = {
        {[] { return new CComboPopup; }, 169, 3 + 8 * 16 + 3, 1029},
        {[] { return new CProfilePopup; }, 158, 3 + 8 * 16 + 3, 1032},
        {[] { return new CDPIPopup; }, 158, 3 + 10 * 16 + 3, 1042},
        {[] { return new CMultimediaPopup; }, 200, 3 + 7 * 16 + 3, 1045},
        {[&] { return new CMacroLibraryPopup(&three); }, 158, 3 + 3 * 16 + 3, 1047},
        {[&] { return new CMacroLibraryPopup(&empty); }, 158, 3 + 2 + 1 + 3, 1047},
        {[] { return new CLightBrightnessPopup; }, 169, 3 + 5 * 16 + 3, 1064},
        {[] { return new CLightModePopup; }, 169, 3 + 16 * 16 + 3, 1069},
        {[] { return new CLightSpeedPopup; }, 169, 3 + 3 * 16 + 3, 1072},
    };
    for (const auto& c : cases) {
        // Every popup is given 200 pixels; only the mouse-function list takes them.
        auto& popup = Open(c.make(), 1027, 2078, 200);
        EXPECT_EQ(popup.clientRect(), (ui::Rect{0, 0, c.width, c.height})) << popup.ClassName();
        EXPECT_EQ(popup.windowRect().topLeft(), owner.clientToScreen({20, 30})) << popup.ClassName();
        EXPECT_EQ(popup.Items().front().rect.left, 3);
        EXPECT_EQ(popup.Items().back().rect.right, c.width - 3);
        owner.received.clear();
        driver.activate(owner);
        EXPECT_EQ(owner.received, (std::vector<Notification>{{c.closeMessage, 2078, popup.Kind()}}))
            << popup.ClassName();
        popup.destroy();
    }
}

TEST_F(SelectorPopupsTest, AnEmptyFirstSetShowsOneSeparatorThatNeverBecomesHot) {
    const MacroLibrary empty = LibraryWith({});
    auto& popup = Open(new CMacroLibraryPopup(&empty), 1027);
    ASSERT_EQ(popup.Items().size(), 1u);
    EXPECT_TRUE(popup.Items()[0].separator);
    EXPECT_EQ(popup.Items()[0].rect, (ui::Rect{3, 5, 155, 6}));
    EXPECT_EQ(ColourAt(driver.surface(popup), 80, 5), CSelectorPopup::kHotFill);

    for (int y : {4, 5, 6}) {
        driver.mouseMove(popup, {80, y});
        EXPECT_EQ(popup.HotItem(), CSelectorPopup::kNoItem) << y;
    }
    Click(popup, {80, 5});
    EXPECT_TRUE(owner.received.empty());
}

TEST_F(SelectorPopupsTest, TheMacroListNamesTheFirstSetsMacros) {
    MacroLibrary library = LibraryWith({"Combo", "Reload"});
    library.AddSet("Other").AddMacro("Elsewhere");
    auto& popup = Open(new CMacroLibraryPopup(&library), 1027, 2080);
    ASSERT_EQ(popup.Items().size(), 2u);
    EXPECT_EQ(popup.Items()[1].text, "Reload");
    EXPECT_EQ(popup.Items()[1].value, 2);
    auto& got = RecordResults(1027);
    Choose(popup, "Reload");
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(BytesOf(got[0]), (Bytes{0x01, 0, 0}));
    EXPECT_EQ(got[0].name, "Reload");
    EXPECT_EQ(owner.received.back().wParam, 2080u);
}

TEST_F(SelectorPopupsTest, TheMenuSendsAHoverMessageOncePerNewHotItem) {
    auto& popup = Open(new CComboPopup, 1027, 2079);
    const Notification closeList{CComboPopup::kCloseListMessage, 2079, CComboPopup::defaultFunction};

    driver.mouseMove(popup, {10, Item(popup, "Default Function").rect.top + 1});
    driver.mouseMove(popup, {150, Item(popup, "Default Function").rect.bottom - 1});
    EXPECT_EQ(owner.received, (std::vector<Notification>{closeList}));

    Hover(popup, "Quick Launch");
    EXPECT_EQ(owner.received.back(), (Notification{1033, 2079, CComboPopup::quickLaunch}));
    EXPECT_EQ(owner.received.size(), 2u);

    // Each item by position, the lists first.
    owner.received.clear();
    const ui::UINT expected[] = {1046, 1030, 1040, 1043, 1033, 1033, 1033, 1033};
    for (const SelectorItem& item : popup.Items()) {
        Hover(popup, item.text);
    }
    ASSERT_EQ(owner.received.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(owner.received[i], (Notification{expected[i], 2079, static_cast<ui::LPARAM>(i + 1)})) << i;
    }
}

TEST_F(SelectorPopupsTest, PressMoveOffAndReleaseElsewhereSendsNothingAndClearsTheHighlight) {
    for (const char* text : {"Default Function", "Multimedia"}) {
        auto& popup = Open(new CComboPopup, 1027, 2078);
        const ui::Rect item = Item(popup, text).rect;
        const ui::Point inside = Centre(popup, text);
        Hover(popup, text);
        owner.received.clear();
        ASSERT_EQ(ColourAt(driver.surface(popup), item.left, item.top), CSelectorPopup::kHotFill);

        const int pressed = popup.HotItem();
        driver.mouseDown(popup, inside);
        driver.mouseMove(popup, {inside.x, inside.y + 40});
        EXPECT_EQ(popup.HotItem(), pressed) << "the hot item stays while the button is held";
        driver.mouseUp(popup, {inside.x, inside.y + 40});

        EXPECT_EQ(popup.HotItem(), CSelectorPopup::kNoItem) << text;
        EXPECT_EQ(ColourAt(driver.surface(popup), item.left, item.top), kFace) << text;
        // Only the lists' items tell the owner of the press itself.
        const std::vector<Notification> pressOnly{{1027, 0, 0}};
        EXPECT_EQ(owner.received, text == std::string("Multimedia") ? pressOnly : std::vector<Notification>{})
            << text;
        popup.destroy();
    }
}

TEST_F(SelectorPopupsTest, TheMenusOwnChoices) {
    auto& popup = Open(new CComboPopup, 1027, 2081);
    EXPECT_EQ(BytesOf(popup.Result()), (Bytes{0x01, 0, 0}));
    auto& got = RecordResults(1027);

    Choose(popup, "Default Function");
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(BytesOf(got[0]), (Bytes{0x06, 0x01, 0}));
    EXPECT_EQ(got[0].name, "默认功能");
    EXPECT_EQ(owner.received.back().wParam, 2081u);

    Choose(popup, "No Function");
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(BytesOf(got[1]), (Bytes{0, 0, 0}));
    EXPECT_EQ(got[1].name, "No Function");

    owner.received.clear();
    Choose(popup, "Assign a Shortcut");
    Choose(popup, "Quick Launch");
    EXPECT_EQ(Received(1035), (std::vector<Notification>{{1035, 2081, 0}}));
    EXPECT_EQ(Received(1037), (std::vector<Notification>{{1037, 2081, 0}}));

    // A list's item: its press, then the unchanged record without the control id.
    owner.received.clear();
    Choose(popup, "Window Manage");
    const std::vector<Notification> sent = Received(1027);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], (Notification{1027, 0, 0}));
    EXPECT_EQ(sent[1], (Notification{1027, 0, reinterpret_cast<ui::LPARAM>(&popup.Result())}));
}

TEST_F(SelectorPopupsTest, KeyboardFunctionListsReportTheirCodes) {
    const struct {
        std::function<CSelectorPopup*()> make;
        const char* text;
        int code;
    } cases[] = {
        {[] { return new CProfilePopup; }, "Mute", 0xA0},
        {[] { return new CProfilePopup; }, "Stop", 0xA7},
        {[] { return new CDPIPopup; }, "WWW Search", 0xA8},
        {[] { return new CDPIPopup; }, "Calculator", 0xB1},
    };
    auto& got = RecordResults(1027);
    for (const auto& c : cases) {
        auto& popup = Open(c.make(), 1027, 2082);
        Choose(popup, c.text);
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(BytesOf(got.back()), (Bytes{0x02, c.code, 0})) << c.text;
        EXPECT_EQ(got.back().name, c.text);
        EXPECT_EQ(owner.received.back().wParam, 2082u);
        popup.destroy();
    }
    EXPECT_EQ(got.size(), 4u) << "a press on these lists tells the owner nothing";
    EXPECT_EQ(Received(1027).size(), 4u);
}

TEST_F(SelectorPopupsTest, MouseFunctionsReportTheirBytesAndTakeTheWidthGivenAtOpen) {
    auto& popup = Open(new CMultimediaPopup, 1044, 2012, 120);
    EXPECT_EQ(popup.clientRect(), (ui::Rect{0, 0, 120, 3 + 7 * 16 + 3}));
    EXPECT_EQ(Item(popup, "Fire").rect, (ui::Rect{3, 99, 117, 115}));
    auto& got = RecordResults(1044);
    const struct {
        const char* text;
        Bytes bytes;
    } cases[] = {
        {"Click", {0x03, 0x01, 0}},       {"Menu", {0x03, 0x02, 0}},       {"Middle Button", {0x03, 0x04, 0}},
        {"IE Backward", {0x03, 0x08, 0}}, {"IE Forward", {0x03, 0x10, 0}}, {"Double-click", {0x04, 0, 0}},
        {"Fire", {0x05, 0, 0}},
    };
    for (const auto& c : cases) {
        Choose(popup, c.text);
        ASSERT_FALSE(got.empty()) << c.text;
        EXPECT_EQ(BytesOf(got.back()), c.bytes) << c.text;
        EXPECT_EQ(got.back().name, c.text);
        EXPECT_EQ(owner.received.back().wParam, 2012u) << c.text;
    }
    EXPECT_EQ(got.size(), 7u);
    EXPECT_EQ(Received(1044).size(), 7u) << "a press on this list tells the owner nothing";
}

TEST_F(SelectorPopupsTest, LightingListsReportThePositionAndTellOfThePress) {
    const struct {
        std::function<CSelectorPopup*()> make;
        ui::UINT notify;
        const char* text;
        int position;
    } cases[] = {
        {[] { return new CLightBrightnessPopup; }, 1063, "0%", 0},
        {[] { return new CLightBrightnessPopup; }, 1063, "100%", 4},
        {[] { return new CLightModePopup; }, 1068, "Light Off", 0},
        {[] { return new CLightModePopup; }, 1068, "User Define", 15},
        {[] { return new CLightSpeedPopup; }, 1071, "Fast", 2},
    };
    for (const auto& c : cases) {
        auto& got = RecordResults(c.notify);
        got.clear();
        owner.received.clear();
        auto& popup = Open(c.make(), c.notify, 2092);
        Choose(popup, c.text);
        ASSERT_EQ(got.size(), 1u) << c.text;
        EXPECT_EQ(BytesOf(got[0]), (Bytes{c.position, 0, 0})) << c.text;
        EXPECT_EQ(got[0].name, c.text);
        EXPECT_EQ(Received(c.notify).front(), (Notification{c.notify, 0, 0})) << "the press, " << c.text;
        EXPECT_EQ(owner.received.back().wParam, 2092u);
        popup.destroy();
    }
}

TEST_F(SelectorPopupsTest, ThePictureHotFillArrowTextColourAndNarrowedText) {
    auto& menu = Open(new CComboPopup, 1027, 2078);
    Hover(menu, "Multimedia");
    const ui::Image surface = driver.surface(menu);
    const ui::Rect hot = Item(menu, "Multimedia").rect;
    EXPECT_EQ(ColourAt(surface, hot.left, hot.top), CSelectorPopup::kHotFill);
    EXPECT_EQ(ColourAt(surface, hot.right - 1, hot.bottom - 1), CSelectorPopup::kHotFill);
    EXPECT_EQ(ColourAt(surface, hot.left, hot.bottom), kFace) << "the next item is not hot";

    // The arrow: columns of 1, 3, 5 and 7 white pixels leftwards from the tip.
    for (const char* text : {"Multimedia", "Mouse Function"}) {
        const ui::Rect item = Item(menu, text).rect;
        const ui::COLORREF around = text == std::string("Multimedia") ? CSelectorPopup::kHotFill : kFace;
        const int r = item.right;
        const int t = item.top;
        for (int column = 0; column < 4; ++column) {
            const int x = r - 3 - column;
            EXPECT_EQ(ColourAt(surface, x, t + 5 - column), around) << text << " above column " << column;
            for (int y = t + 6 - column; y <= t + 6 + column; ++y) {
                EXPECT_EQ(ColourAt(surface, x, y), CSelectorPopup::kWhiteText)
                    << text << " " << x << "," << y;
            }
            EXPECT_EQ(ColourAt(surface, x, t + 7 + column), around) << text << " below column " << column;
        }
        EXPECT_EQ(ColourAt(surface, r - 2, t + 6), around) << "nothing right of the tip";
    }
    EXPECT_EQ(
        CountColour(surface, Item(menu, "Default Function").rect.offset(-4, 0), CSelectorPopup::kWhiteText),
        CountColour(surface, Item(menu, "Default Function").rect, CSelectorPopup::kWhiteText))
        << "items without a list have no arrow at the right";

    // The lighting lists write black, also on the hot item.
    auto& speeds = Open(new CLightSpeedPopup, 1071, 2093);
    Hover(speeds, "Normal");
    const ui::Image lit = driver.surface(speeds);
    EXPECT_GT(CountColour(lit, Item(speeds, "Normal").rect, CSelectorPopup::kBlackText), 10);
    EXPECT_EQ(CountColour(lit, Item(speeds, "Normal").rect, CSelectorPopup::kWhiteText), 0);
    SaveArtefact(speeds, "light_speed_popup.png");
    speeds.destroy();

    // A name too long for its item stops two pixels short of the item's right edge.
    const MacroLibrary library = LibraryWith({"A macro with a name far longer than the list is wide"});
    auto& macros = Open(new CMacroLibraryPopup(&library), 1027);
    const ui::Rect item = macros.Items()[0].rect;
    const ui::Image listed = driver.surface(macros);
    SaveArtefact(macros, "macro_popup.png");
    EXPECT_GT(CountColour(listed, ui::Rect{item.right - 30, item.top, item.right - 2, item.bottom},
                          CSelectorPopup::kWhiteText),
              0)
        << "the text runs to the end";
    EXPECT_EQ(CountColour(listed, ui::Rect{item.right - 2, item.top, item.right, item.bottom}, kFace),
              2 * 16);
}

}  // namespace
