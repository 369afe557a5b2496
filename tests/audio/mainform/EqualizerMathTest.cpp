#include "audio/mainform/EqualizerMath.h"

#include <gtest/gtest.h>

namespace {

// The shipped skin's travel on a 1920 x 1080 screen, and the one of an old skin.
constexpr SliderTravel kTravel{270, 226};
constexpr SliderTravel kShort{200, 120};

TEST(EqualizerMathTest, PositionsBecomeGainsThreeTimesFinerAboveTheMiddle) {
    struct Case {
        SliderTravel travel;
        int offset;  // from the travel's top
        std::uint16_t gain;
    } cases[] = {
        {kTravel, 0, 0x9FF},   {kTravel, 1, 0x9F3},   {kTravel, 56, 0x708},  {kTravel, 112, 0x40E},
        {kTravel, 113, 0x400}, {kTravel, 114, 0x3FC}, {kTravel, 170, 0x2FE}, {kTravel, 226, 0x200},
        {kShort, 0, 0x9FF},    {kShort, 1, 0x9E7},    {kShort, 60, 0x400},   {kShort, 119, 0x209},
        {kShort, 120, 0x200},
        // beyond the travel: its ends
        {kTravel, -40, 0x9FF}, {kTravel, 400, 0x200},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(eqmath::GainAt(c.travel.m_iTop + c.offset, c.travel), c.gain)
            << "offset " << c.offset << " of " << c.travel.m_iLength;
    }
}

// A gain between two positions snaps to the position below its exact place;
// gains from a slider position come back to the same position.
TEST(EqualizerMathTest, GainsSnapToTheirSliderPosition) {
    struct Case {
        SliderTravel travel;
        std::uint16_t gain;
        int offset;
        std::uint16_t snapped;  // the gain of that position
    } cases[] = {
        {kTravel, 0x9FF, 0, 0x9FF},   {kTravel, 0x400, 113, 0x400}, {kTravel, 0x200, 226, 0x200},
        {kTravel, 0x708, 56, 0x708},  {kTravel, 0x500, 95, 0x4F5},  {kTravel, 0x600, 76, 0x5F7},
        {kTravel, 0x300, 170, 0x2FE}, {kShort, 0x500, 51, 0x4E6},   {kShort, 0x300, 90, 0x300},
        // gains the sliders cannot show sit at the ends
        {kTravel, 0xFFF, 0, 0x9FF},   {kTravel, 0x100, 226, 0x200},
    };
    for (const Case& c : cases) {
        const int top = eqmath::TopFor(c.gain, c.travel);
        EXPECT_EQ(top - c.travel.m_iTop, c.offset) << std::hex << c.gain;
        EXPECT_EQ(eqmath::GainAt(top, c.travel), c.snapped) << std::hex << c.gain;
    }
    for (int offset = 0; offset <= kTravel.m_iLength; ++offset) {
        const int top = kTravel.m_iTop + offset;
        ASSERT_EQ(eqmath::TopFor(eqmath::GainAt(top, kTravel), kTravel), top) << offset;
    }
}

TEST(EqualizerMathTest, ATravelWithoutLengthHoldsTheSliderFlatAtItsTop) {
    const SliderTravel none{200, 0};
    EXPECT_EQ(eqmath::GainAt(150, none), kFlatGain);
    EXPECT_EQ(eqmath::TopFor(0x9FF, none), 200);
    EXPECT_EQ(eqmath::ClampTop(500, SliderTravel{200, -30}), 200);
}

TEST(EqualizerMathTest, LabelsAndEepromValues) {
    EXPECT_EQ(eqmath::GainLabel(0x9FF), "9ff");
    EXPECT_EQ(eqmath::GainLabel(0x200), "200");
    EXPECT_EQ(eqmath::GainFromEeprom(0), 0x200);
    EXPECT_EQ(eqmath::GainFromEeprom(0xFFF), 0x9FF);
    EXPECT_EQ(eqmath::GainFromEeprom(0x400), 0x400);
    EXPECT_EQ(eqmath::EepromFlagOffset(0x13), 55u);
    EXPECT_EQ(eqmath::EepromFlagOffset(0x10), 7u);
    EXPECT_EQ(eqmath::EepromFlagOffset(0x20), 7u);
    // g0 0x123, g1 0x456, g2 0x789, g3 0xABC, g4 0xDEF, flag bits in byte 7 left out
    EXPECT_EQ(eqmath::UnpackGains({0x23, 0x61, 0x45, 0x89, 0xC7, 0xAB, 0xEF, 0xAD}),
              (std::array<std::uint16_t, kEqBands>{0x123, 0x456, 0x789, 0xABC, 0xDEF}));
}

}  // namespace
