#include "audio/device/EqualizerImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(EqualizerImageTest, TheDefaultImagePacksToItsBytesAndRoundTrips) {
    std::vector<std::uint8_t> buffer(2048, 0xFF);
    ASSERT_TRUE(EqualizerImage{}.Pack(buffer, 256));
    std::vector<std::uint8_t> expected = {0x00, 0x04, 0x40, 0x00, 0x04, 0x40, 0x00, 0xE4,
                                          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80};
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin() + 256, buffer.begin() + 272), expected);
    EXPECT_EQ(buffer[255], 0xFF);
    EXPECT_EQ(buffer[272], 0xFF);

    auto back = EqualizerImage::Unpack(buffer, 256);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->m_wGain, EqualizerImage{}.m_wGain);
    EXPECT_TRUE(back->m_bFlagA && back->m_bFlagB && back->m_bFlagC && !back->m_bFlagD && back->m_bMarker);
    EXPECT_EQ(back->m_byMode, 0);
}

TEST(EqualizerImageTest, EveryFieldRoundTripsAndOnlyBit7OfByte15IsReadBack) {
    EqualizerImage image;
    image.m_wGain = {0x200, 0x9FF, 0x400, 0xABC, 0x123};
    image.m_bFlagA = false;
    image.m_bFlagD = true;
    image.m_byMode = 0x35;
    image.m_bMarker = false;
    std::vector<std::uint8_t> buffer(16);
    ASSERT_TRUE(image.Pack(buffer, 0));
    EXPECT_EQ(buffer[7], 0x71);  // g4 high nibble 1, flags D, C and B
    EXPECT_EQ(buffer[14], 0x35);
    EXPECT_EQ(buffer[15], 0x35);

    buffer[15] = 0xFF;  // the mode bits of byte 15 mean nothing on reading
    auto back = EqualizerImage::Unpack(buffer, 0);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->m_wGain, image.m_wGain);
    EXPECT_EQ(back->FlagBits(), image.FlagBits());
    EXPECT_EQ(back->m_byMode, 0x35);
    EXPECT_TRUE(back->m_bMarker);
}

TEST(EqualizerImageTest, AnImageThatDoesNotFitIsRefused) {
    std::vector<std::uint8_t> buffer(20, 0xEE);
    EXPECT_FALSE(EqualizerImage{}.Pack(buffer, 5));
    EXPECT_EQ(buffer, std::vector<std::uint8_t>(20, 0xEE));
    EXPECT_TRUE(EqualizerImage::Unpack(buffer, 4));
    EXPECT_FALSE(EqualizerImage::Unpack(buffer, 5));
    EXPECT_FALSE(EqualizerImage::Unpack(buffer, static_cast<std::size_t>(-1)));
}

TEST(EqualizerImageTest, TheBankSelectorNamesBanksZeroToThreeAndFallsBackToZero) {
    struct Case {
        std::uint8_t selector;
        std::size_t bank;
    };
    for (Case c : {Case{0x10, 0}, Case{0x11, 1}, Case{0x12, 2}, Case{0x13, 3}, Case{0x14, 0}, Case{0x20, 0},
                   Case{0x0F, 0}, Case{0xFF, 0}}) {
        EXPECT_EQ(EqualizerBankOf(c.selector), c.bank) << int(c.selector);
    }
}

}  // namespace
