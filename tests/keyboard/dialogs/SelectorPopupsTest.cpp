#include <gtest/gtest.h>

#include <tuple>

#include "PopupFixture.h"
#include "keyboard/dialogs/CMultimediaPopup.h"

namespace {

using Bytes = std::tuple<int, int, int>;
Bytes BytesOf(const SelectorResult& r) {
    return {r.category, r.p1, r.p2};
}

class SelectorPopupsTest : public PopupFixture {};

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
    // A press on this list tells the owner nothing.
    EXPECT_EQ(Received(1044).size(), 7u);
}

}  // namespace
