#include "audio/settings/RegionFile.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/TempFolder.h"

namespace {

std::string int32s(std::initializer_list<std::int32_t> values) {
    std::string out;
    for (std::int32_t v : values) {
        for (int i = 0; i < 4; ++i) {
            out += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
        }
    }
    return out;
}

std::string header(std::int32_t size, std::int32_t type, std::int32_t count, ui::Rect bounds) {
    return int32s({size, type, count, count * 16, bounds.left, bounds.top, bounds.right, bounds.bottom});
}

std::string rect(ui::Rect r) {
    return int32s({r.left, r.top, r.right, r.bottom});
}

TEST(RegionFileTest, WrittenOutlineReadsBack) {
    std::vector<ui::Rect> rects = {{4, 0, 796, 1}, {1, 1, 799, 3}, {0, 3, 800, 500}};
    TempFolder temp;
    temp.write("MainForm_Frame.rgn", RegionFileBytes(rects));
    std::optional<RegionFileData> region = ReadRegionFile(temp.file("MainForm_Frame.rgn"));
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->m_bounds, (ui::Rect{0, 0, 800, 500}));
    EXPECT_EQ(region->m_rects, rects);
    EXPECT_FALSE(ReadRegionFile(temp.file("missing.rgn")).has_value());
}

TEST(RegionFileTest, MalformedDataIsRefusedWithoutReadingPastIt) {
    const ui::Rect bounds{0, 0, 800, 500};
    const std::string one = rect({0, 0, 800, 500});
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"short header", header(32, 1, 0, bounds).substr(0, 31)},
        {"header size", header(28, 1, 1, bounds) + one},
        {"type", header(32, 2, 1, bounds) + one},
        {"more rectangles than bytes", header(32, 1, 2, bounds) + one},
        {"huge count", header(32, 1, -1, bounds) + one},
        {"negative bounds", header(32, 1, 1, {-5, 0, 800, 500}) + one},
        {"bounds beyond any screen", header(32, 1, 1, {0, 0, 0x7FFFFFFF, 500}) + one},
        {"empty bounds", header(32, 1, 0, {0, 0, 0, 0})},
        {"rectangle outside the bounds", header(32, 1, 1, bounds) + rect({0, 0, 900, 500})},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ParseRegionData(c.bytes).has_value()) << c.what;
    }
    EXPECT_TRUE(ParseRegionData(header(32, 1, 1, bounds) + one + "trailing").has_value());
}

}  // namespace
