#include "audio/settings/ConfigValues.h"

#include <gtest/gtest.h>

#include <climits>

#include "audio/settings/EConvertError.h"

namespace {

TEST(ConfigValuesTest, LenientIntegerTakesLeadingDigits) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"", 0},
        {"12", 12},
        {"-7", -7},
        {"+3", 3},
        {"12abc", 12},
        {"abc", 0},
        {" 42", 42},
        {"x1", 0},
        {"0x10", 0},
        {"1.9", 1},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LenientInteger(c.text), c.value) << c.text;
    }
}

TEST(ConfigValuesTest, StrictIntegerTakesWholeDecimalOrHexText) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"-42", -42},
        {"+5", 5},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$FF", 255},
        {"$FFFFFFFF", -1},
        {"0x00FF8000", 0xFF8000},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {" 7", 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StrictInteger(c.text), c.value) << c.text;
    }
}

TEST(ConfigValuesTest, StrictIntegerRejectsAnythingElseWithTheText) {
    const char* bad[] = {"",           "abc",         "12abc", "7 ",  "0x", "$",
                         "2147483648", "0x100000000", "1.5",   "--1", "0xG"};
    for (const char* text : bad) {
        try {
            StrictInteger(text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
            EXPECT_EQ(error.Text(), text);
        }
    }
}

TEST(ConfigValuesTest, ListsSplitAtCommasOutsideQuotes) {
    struct Case {
        std::string value;
        std::vector<std::string> items;
    } cases[] = {
        {"1,0,1", {"1", "0", "1"}},
        {"", {}},
        {" 1 , 2", {" 1 ", " 2"}},
        {"\"a,b\",c", {"a,b", "c"}},
        {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
        {"1,,2", {"1", "", "2"}},
        {"1,", {"1", ""}},
        {"\"open,end", {"open,end"}},
        {"0,1,2,3,4,5,6,7,8,9,10,11", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {std::string(200, '7') + ",1", {std::string(127, '7'), "1"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitListItems(c.value), c.items) << c.value;
    }
}

TEST(ConfigValuesTest, IntegerListFillsPinsFromZero) {
    EXPECT_EQ(IntegerList("1,0,1"), (std::array<int, 10>{1, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(IntegerList(""), (std::array<int, 10>{}));
    EXPECT_EQ(IntegerList("$10,\"0x2\""), (std::array<int, 10>{16, 2}));
    EXPECT_THROW(IntegerList("1,,1"), EConvertError);
    EXPECT_THROW(IntegerList("1,0 "), EConvertError);
}

}  // namespace
