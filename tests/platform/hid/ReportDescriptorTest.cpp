#include "platform/hid/ReportDescriptor.h"

#include <gtest/gtest.h>

#include "platform/hid/DescriptorFixtures.h"

namespace {

using hid::parseReportDescriptor;
using hid::TopLevelCollection;

struct Expected {
    std::uint16_t usagePage, usage, input, output, feature;
    std::vector<std::uint8_t> inputIds;
};

void expectCollections(const std::vector<TopLevelCollection>& actual, const std::vector<Expected>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("collection " + std::to_string(i));
        EXPECT_EQ(actual[i].usagePage, expected[i].usagePage);
        EXPECT_EQ(actual[i].usage, expected[i].usage);
        EXPECT_EQ(actual[i].inputReportLength, expected[i].input);
        EXPECT_EQ(actual[i].outputReportLength, expected[i].output);
        EXPECT_EQ(actual[i].featureReportLength, expected[i].feature);
        EXPECT_EQ(actual[i].inputReportIds, expected[i].inputIds);
    }
}

TEST(ReportDescriptor, VendorKeyboardHasEventAndCommandCollections) {
    auto parsed = parseReportDescriptor(kVendorKeyboardDescriptor);
    EXPECT_TRUE(parsed.numberedReports);
    // Longest feature report is id 8: 225 data bytes + the id byte.
    expectCollections(parsed.collections, {{0x0A, 1, 8, 0, 0, {1}}, {0x0B, 1, 0, 0, 226, {}}});
}

TEST(ReportDescriptor, NumberedReportsPaddingPushPopAndLongUsage) {
    auto parsed = parseReportDescriptor(kNumberedMediaKeysDescriptor);
    EXPECT_TRUE(parsed.numberedReports);
    expectCollections(parsed.collections,
                      {{0x0C, 1, 3, 0, 0, {1}}, {0x01, 0x80, 2, 0, 0, {2}}, {0x0C, 1, 0, 3, 0, {}}});
}

TEST(ReportDescriptor, UnnumberedReportsStillCountTheIdByte) {
    auto parsed = parseReportDescriptor(kBootKeyboardDescriptor);
    EXPECT_FALSE(parsed.numberedReports);
    expectCollections(parsed.collections, {{0x01, 6, 9, 2, 0, {}}});
}

TEST(ReportDescriptor, TruncatedOrUnbalancedInputYieldsWhatWasComplete) {
    // Cut after the prefix of the second collection's 191-byte Report Count item.
    std::vector<std::uint8_t> cut(kVendorKeyboardDescriptor.begin(), kVendorKeyboardDescriptor.begin() + 48);
    ASSERT_EQ(cut.back(), 0x96);
    auto parsed = parseReportDescriptor(cut);
    expectCollections(parsed.collections, {{0x0A, 1, 8, 0, 0, {1}}});

    // A stray End Collection and a long item are skipped; an empty descriptor has nothing.
    std::vector<std::uint8_t> odd = {0xC0, 0xFE, 0x02, 0x10, 0xAA, 0xBB};
    odd.insert(odd.end(), kBootKeyboardDescriptor.begin(), kBootKeyboardDescriptor.end());
    expectCollections(parseReportDescriptor(odd).collections, {{0x01, 6, 9, 2, 0, {}}});
    EXPECT_TRUE(parseReportDescriptor({}).collections.empty());
}

TEST(ReportDescriptor, HugeSizesDoNotOverflow) {
    std::vector<std::uint8_t> huge = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1,
                                      0x01, 0x77, 0xFF, 0xFF, 0xFF, 0xFF,  // Report Size (4294967295)
                                      0x97, 0xFF, 0xFF, 0xFF, 0xFF,        // Report Count (4294967295)
                                      0xB1, 0x02, 0xC0};
    auto parsed = parseReportDescriptor(huge);
    ASSERT_EQ(parsed.collections.size(), 1u);
    EXPECT_EQ(parsed.collections[0].usagePage, 0xFF00);
    EXPECT_EQ(parsed.collections[0].featureReportLength, 0xFFFF);
}

}  // namespace
