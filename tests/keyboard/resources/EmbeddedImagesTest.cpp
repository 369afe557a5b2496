#include <gtest/gtest.h>

#include "keyboard/resources/KeyboardResources.h"
#include "keyboard/resources/ResourceIds.h"
#include "platform/ui/Image.h"

using resources::ImageKind;
using resources::ImageSpec;

namespace {

ui::Image load(const ImageSpec& spec) {
    return spec.kind == ImageKind::png ? ui::Image::fromPngResource(static_cast<int>(spec.id))
                                       : ui::Image::fromBitmapResource(static_cast<int>(spec.id));
}

unsigned rgb(ui::Argb argb) {
    return argb & 0xFFFFFFu;
}

const ImageSpec& spec(ImageKind kind, unsigned id) {
    static const std::vector<ImageSpec> all = resources::allImages();
    for (const ImageSpec& entry : all) {
        if (entry.kind == kind && entry.id == id) {
            return entry;
        }
    }
    ADD_FAILURE() << "no table entry for " << id;
    return all.front();
}

class EmbeddedImages : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InitKeyboardResources()); }
};

TEST_F(EmbeddedImages, EveryTableEntryLoadsWithItsStripSize) {
    const std::vector<ImageSpec> all = resources::allImages();
    ASSERT_EQ(all.size(), std::size(resources::kFixedImages) + 104);
    for (const ImageSpec& entry : all) {
        const ui::Image image = load(entry);
        ASSERT_FALSE(image.isNull()) << entry.id << " " << entry.what;
        EXPECT_EQ(image.width(), entry.width * entry.frames) << entry.id;
        EXPECT_EQ(image.height(), entry.height) << entry.id;
    }
}

TEST_F(EmbeddedImages, IdsAreUniquePerKind) {
    const std::vector<ImageSpec> all = resources::allImages();
    for (size_t i = 0; i < all.size(); ++i) {
        for (size_t j = i + 1; j < all.size(); ++j) {
            EXPECT_FALSE(all[i].kind == all[j].kind && all[i].id == all[j].id) << all[i].id;
        }
    }
}

TEST_F(EmbeddedImages, UnknownIdIsMissing) {
    EXPECT_TRUE(ui::Image::fromPngResource(129).isNull());
    EXPECT_TRUE(ui::Image::fromBitmapResource(2999).isNull());
    EXPECT_FALSE(ui::resourceExists(ui::ResourceKind::png, 1));
}

// Region buttons take their key colour from (0, 0) or (0, 20): the whole left
// column of every frame is the key, and each frame has a visible face.
TEST_F(EmbeddedImages, RegionButtonBitmapsCarryTheKeyColourOnTheirLeftColumn) {
    for (unsigned id : {154u, 162u, 163u, 384u, 385u, 387u, 394u, 396u, 397u}) {
        const ImageSpec& entry = spec(ImageKind::bitmap, id);
        const ui::Image image = load(entry);
        for (int frame = 0; frame < entry.frames; ++frame) {
            const int left = frame * entry.width;
            for (int y = 0; y < entry.height; ++y) {
                ASSERT_EQ(rgb(image.pixel(left, y)), resources::kRegionKeyRgb) << id << " frame " << frame;
            }
            EXPECT_NE(rgb(image.pixel(left + entry.width / 2, entry.height / 2)), resources::kRegionKeyRgb)
                << id << " frame " << frame;
        }
    }
}

// Shaped windows cut their corners away and keep their middle.
TEST_F(EmbeddedImages, ShapedBackgroundsAreCutAtTheCornersOnly) {
    for (unsigned id : {129u, 153u, 176u}) {
        const ImageSpec& entry = spec(ImageKind::bitmap, id);
        const ui::Image image = load(entry);
        const int w = entry.width;
        const int h = entry.height;
        EXPECT_EQ(rgb(image.pixel(0, 0)), resources::kShapeKeyRgb) << id;
        EXPECT_EQ(rgb(image.pixel(w - 1, h - 1)), resources::kShapeKeyRgb) << id;
        EXPECT_NE(rgb(image.pixel(w / 2, h / 2)), resources::kShapeKeyRgb) << id;
        EXPECT_NE(rgb(image.pixel(w / 2, 0)), resources::kShapeKeyRgb) << id;
        EXPECT_NE(rgb(image.pixel(0, h / 2)), resources::kShapeKeyRgb) << id;
    }
}

// The unshaped dialogs and the page pictures have no pixel of the shape colour.
TEST_F(EmbeddedImages, UnshapedPicturesHaveNoShapeColour) {
    for (unsigned id : {272u, 165u, 258u, 380u, 398u, 261u, 259u, 399u}) {
        const ui::Image image = load(spec(ImageKind::bitmap, id));
        int keyPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                keyPixels += rgb(image.pixel(x, y)) == resources::kShapeKeyRgb ? 1 : 0;
            }
        }
        EXPECT_EQ(keyPixels, 0) << id;
    }
}

}  // namespace
