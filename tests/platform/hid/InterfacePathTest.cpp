#include "platform/hid/InterfacePath.h"

#include <gtest/gtest.h>

namespace {

TEST(InterfacePath, MadeUpPathsRoundTrip) {
    hid::InterfacePath path{0x04F3, 0x1406, 1, 2, false, "hidraw3"};
    EXPECT_EQ(path.text(), "hid#VID_04F3&PID_1406&MI_01&Col02#hidraw3");
    auto parsed = hid::InterfacePath::parse(path.text());
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->vendorId, 0x04F3);
    EXPECT_EQ(parsed->productId, 0x1406);
    EXPECT_EQ(parsed->interfaceNumber, 1);
    EXPECT_EQ(parsed->collection, 2);
    EXPECT_FALSE(parsed->oneCollection);
    EXPECT_EQ(parsed->node, "hidraw3");

    hid::InterfacePath single{0x0C76, 0x161F, 3, 1, true, "hidraw0"};
    EXPECT_EQ(single.text(), "hid#VID_0C76&PID_161F&MI_03#hidraw0");
    auto singleParsed = hid::InterfacePath::parse(single.text());
    ASSERT_TRUE(singleParsed);
    EXPECT_TRUE(singleParsed->oneCollection);
    EXPECT_EQ(singleParsed->collection, 1);
}

TEST(InterfacePath, RejectsOtherText) {
    for (const char* text : {"", "/dev/hidraw0", "hid#VID_04F3&PID_1406&MI_00#",
                             "hid#VID_04F3&PID_1406&MI_00&Col00#x", "usb#VID_04F3&PID_1406&MI_00#hidraw1"}) {
        EXPECT_FALSE(hid::InterfacePath::parse(text)) << text;
    }
}

}  // namespace
