#include "platform/core/Unicode.h"

#include <gtest/gtest.h>

namespace {

TEST(UnicodeTest, Utf16RoundTripsAndRepairsStrayUnits) {
    EXPECT_EQ(core::utf16ToUtf8(u"Café 😀"), "Café 😀");
    EXPECT_EQ(core::utf8ToUtf16("Café 😀"), u"Café 😀");
    EXPECT_EQ(core::utf16ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b'}),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(core::utf8ToUtf16("a\xC3"), std::u16string(u"a\xFFFD"));
    EXPECT_EQ(core::utf8ToUtf16("\xC0\xAF"), std::u16string(u"\xFFFD\xFFFD"));  // overlong
}

TEST(UnicodeTest, CutsAtWholeCharacters) {
    struct Case {
        const char* text;
        std::size_t characters;
        const char* expected;
    } cases[] = {
        {"abc", 2, "ab"},
        {"éé", 1, "é"},
        {"a😀b", 2, "a😀"},
        {"\xFF\xFE"
         "a",
         2, "\xFF\xFE"},
        {"a\xE2\x82", 2, "a\xE2"},
        {"", 5, ""},
        {"abc", 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(core::cutToCharacters(c.text, c.characters), c.expected) << c.text;
    }
}

}  // namespace
