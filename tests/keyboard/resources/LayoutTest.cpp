#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keyboard/resources/KeyboardLayout.h"
#include "keyboard/resources/MainWindowLayout.h"

using layout::LayoutRect;

namespace {

bool overlap(const LayoutRect& a, const LayoutRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool inside(const LayoutRect& inner, const LayoutRect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

std::vector<LayoutRect> keyboardPicture() {
    std::vector<LayoutRect> rects;
    for (int n = 0; n < layout::kKeyButtonCount; ++n) {
        rects.push_back(layout::keyButtonPlace(n).rect);
    }
    for (int i = 0; i < layout::kGKeyCount; ++i) {
        rects.push_back(layout::gKeyRect(i));
    }
    return rects;
}

TEST(KeyboardLayout, KeysSitOnThePlateWithoutTouching) {
    const std::vector<LayoutRect> rects = keyboardPicture();
    for (size_t i = 0; i < rects.size(); ++i) {
        EXPECT_GE(rects[i].width(), 20) << i;
        EXPECT_GE(rects[i].height(), 20) << i;
        EXPECT_TRUE(inside(rects[i], layout::keyboardPlateRect())) << i;
        for (size_t j = i + 1; j < rects.size(); ++j) {
            EXPECT_FALSE(overlap(rects[i], rects[j])) << i << " and " << j;
        }
    }
    EXPECT_TRUE(inside(layout::keyboardPlateRect(), layout::kPageBand));
}

TEST(KeyboardLayout, EveryKeyButHasACaptionAndItsOwnImage) {
    for (int n = 0; n < layout::kKeyButtonCount; ++n) {
        const std::string caption = layout::keyButtonPlace(n).caption;
        EXPECT_EQ(caption.empty(), n == 94) << n;  // the space bar is left blank
        EXPECT_EQ(layout::keyImageId(n), layout::kFirstKeyImageId + static_cast<unsigned>(n));
    }
    EXPECT_EQ(layout::keyButtonPlace(104).rect.width(), 0);
    EXPECT_EQ(layout::keyButtonPlace(-1).rect.width(), 0);
}

TEST(MainWindowLayout, ControlsStayInTheWindowAndApartFromEachOther) {
    using layout::ControlPlace;
    std::vector<ControlPlace> always = {
        layout::kLinkButton,     layout::kCloseButton, layout::kMinimiseButton, layout::kResetCurrentButton,
        layout::kResetAllButton, layout::kOkButton,    layout::kApplyButton,    layout::kHideButton};
    always.insert(always.end(), std::begin(layout::kPageTabs), std::end(layout::kPageTabs));
    always.insert(always.end(), std::begin(layout::kProfileTabs), std::end(layout::kProfileTabs));
    const std::vector<ControlPlace> record = {
        layout::kRecordButtons[0], layout::kRecordButtons[1], layout::kRecordButtons[2],
        layout::kRecordButtons[3], layout::kMacroNameList,    layout::kMacroNameScroll,
        layout::kActionList,       layout::kActionScroll,     layout::kLoopEdit,
        layout::kLoopCheck,        layout::kDelayCheck,       layout::kRecordCheck};
    const std::vector<ControlPlace> macro(std::begin(layout::kGKeyCombos), std::end(layout::kGKeyCombos));
    const std::vector<ControlPlace> light(std::begin(layout::kLightCombos), std::end(layout::kLightCombos));
    const LayoutRect window{0, 0, layout::kMainWidth, layout::kMainHeight};
    for (const ControlPlace& control : always) {
        EXPECT_TRUE(inside(control.rect, window)) << control.id;
        EXPECT_FALSE(overlap(control.rect, layout::kPageBand)) << control.id;
    }
    const std::vector<ControlPlace>* pages[] = {&always, &record, &macro, &light};
    for (const std::vector<ControlPlace>* page : pages) {
        for (size_t i = 0; i < page->size(); ++i) {
            if (page != &always) {
                EXPECT_TRUE(inside((*page)[i].rect, layout::kPageBand)) << (*page)[i].id;
            }
            for (size_t j = i + 1; j < page->size(); ++j) {
                EXPECT_FALSE(overlap((*page)[i].rect, (*page)[j].rect))
                    << (*page)[i].id << " " << (*page)[j].id;
            }
        }
    }
}

}  // namespace
