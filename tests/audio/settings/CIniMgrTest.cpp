#include "audio/settings/CIniMgr.h"

#include <gtest/gtest.h>

#include <random>

#include "EncodedText.h"
#include "support/TempFolder.h"

namespace {

using namespace std::string_literals;

const std::string kText =
    "before=ignored\r\n"
    "[Main]\r\n"
    "Key = Value\r\n"
    "plain=1\r\n"
    ";comment=2\r\n"
    "value=;starts with semicolon\r\n"
    "noequals\r\n"
    "=novalue\r\n"
    "dup=first\r\n"
    "dup=second\r\n"
    "tab=\tx\t\r\n"
    "trail=space \r\n"
    "accent=Crème brûlée\r\n"
    "eq=a=b\r\n"
    "[Main]\r\n"
    "second=x\r\n"
    "[Other]\r\n"
    "k=other\r\n"
    "[]\r\n"
    "e=empty name\r\n";

struct ValueCase {
    const char* section;
    const char* key;
    const char* expected;
};

const ValueCase kValueCases[] = {
    {"Main", "Key ", " Value"},
    {"Main", "Key", ""},
    {"Main", "plain", "1"},
    {"Main", ";comment", ""},
    {"Main", "value", ";starts with semicolon"},
    {"Main", "noequals", ""},
    {"Main", "", ""},
    {"Main", "dup", "first"},
    {"Main", "second", ""},
    {"main", "plain", ""},
    {"Main", "PLAIN", ""},
    {"Main ", "plain", ""},
    {"Other", "k", "other"},
    {"", "e", "empty name"},
    {"Main", "before", ""},
    {"Main", "tab", "\tx\t"},
    {"Main", "trail", "space"},  // the line keeps the space, the entry does not
    {"Main", "accent", "Crème brûlée"},
    {"Main", "eq", "a=b"},
    {"Missing", "k", ""},
};

const std::vector<std::string> kMainKeys = {"Key ", "plain", "value",  "dup", "dup",
                                            "tab",  "trail", "accent", "eq"};

class CIniMgrTest : public ::testing::Test {
protected:
    int load(const std::string& bytes) {
        temp.write("f.ini", bytes);
        return ini.LoadFile(temp.file("f.ini"));
    }

    TempFolder temp;
    CIniMgr ini;
};

TEST_F(CIniMgrTest, EveryEncodingGivesTheSameAnswers) {
    for (IniEncoding encoding : {IniEncoding::Ansi, IniEncoding::Utf8, IniEncoding::Utf16Le,
                                 IniEncoding::Utf16Be, IniEncoding::Utf32Le, IniEncoding::Utf32Be}) {
        SCOPED_TRACE(static_cast<int>(encoding));
        ASSERT_EQ(load(encodedFile(encoding, kText)), CIniMgr::LoadOk);
        EXPECT_EQ(ini.Encoding(), encoding);
        for (const ValueCase& c : kValueCases) {
            EXPECT_EQ(ini.GetValue(c.section, c.key), c.expected) << "[" << c.section << "] " << c.key;
        }
        std::vector<std::string> keys = {"stale"};
        ini.GetKeyNames("Main", keys);
        EXPECT_EQ(keys, kMainKeys);
        std::vector<std::string> untouched = {"stale"};
        ini.GetKeyNames("main", untouched);
        EXPECT_EQ(untouched, std::vector<std::string>{"stale"});
        EXPECT_TRUE(ini.HasSection("Main"));
        EXPECT_TRUE(ini.HasSection(""));
        EXPECT_FALSE(ini.HasSection("other"));
        ASSERT_EQ(ini.Lines().size(), 20u);
        EXPECT_EQ(ini.Lines()[11], "trail=space ");
    }
}

TEST_F(CIniMgrTest, DetectsTheMarkInOrder) {
    struct Case {
        std::string bytes;
        IniEncoding encoding;
        std::size_t mark;
    } cases[] = {
        {"\xFF\xFE\0\0"s, IniEncoding::Utf32Le, 4},
        {"\0\0\xFE\xFF"s, IniEncoding::Utf32Be, 4},
        {"\xEF\xBB\xBF", IniEncoding::Utf8, 3},
        {"\xFF\xFE", IniEncoding::Utf16Le, 2},
        {"\xFF\xFE\0"s, IniEncoding::Utf16Le, 2},
        {"\xFE\xFF", IniEncoding::Utf16Be, 2},
        {"\xEF\xBB", IniEncoding::Ansi, 0},
        {"\0\0\xFE"s, IniEncoding::Ansi, 0},
        {"", IniEncoding::Ansi, 0},
        {"[S]", IniEncoding::Ansi, 0},
    };
    for (const Case& c : cases) {
        auto detected =
            DetectEncoding(reinterpret_cast<const unsigned char*>(c.bytes.data()), c.bytes.size());
        EXPECT_EQ(detected.encoding, c.encoding) << c.bytes.size();
        EXPECT_EQ(detected.markLength, c.mark) << c.bytes.size();
    }
}

TEST_F(CIniMgrTest, Utf8AndUtf32DecodeOrFailAsAWhole) {
    struct Case {
        IniEncoding encoding;
        std::string body;  // after the mark
        int result;
        std::string value;  // of [S] k when loaded
    } cases[] = {
        {IniEncoding::Utf8, "[S]\nk=Café", 0, "Café"},
        {IniEncoding::Utf8, "[S]\nk=\xC0\xAF", 0, "/"},                 // overlong forms pass
        {IniEncoding::Utf8, "[S]\nk=\xF8\x80\x80\x80\xAF", 0, "/"},     // even in five bytes
        {IniEncoding::Utf8, "[S]\nk=\xED\xA0\x80", 0, "\xEF\xBF\xBD"},  // a lone surrogate
        {IniEncoding::Utf8, "[S]\nk=\xF0\x9F\x98\x80", 5, ""},          // above U+FFFF
        {IniEncoding::Utf8, "[S]\nk=\x80", 5, ""},                      // continuation as lead
        {IniEncoding::Utf8, "[S]\nk=\xC3", 5, ""},                      // cut off by the end
        {IniEncoding::Utf8, "[S]\nk=\xC3(", 5, ""},                     // bad continuation
        {IniEncoding::Utf8, "[S]\nk=\xFE", 5, ""},
        {IniEncoding::Utf32Le, "[\0\0\0S\0\0\0]\0\0\0"s, 0, ""},
        {IniEncoding::Utf32Le, "[\0\0\0S\0\0\0]\0\0"s, 5, ""},  // not a multiple of 4
        {IniEncoding::Utf32Le, "[\0\0\0\0\0\x01\0"s, 5, ""},    // unit above 0xFFFF
        {IniEncoding::Utf32Be, "\0\0\0[\0\x01\0\0"s, 5, ""},
        {IniEncoding::Utf16Le, "[\0S\0]\0\n\0k\0=\0v\0w"s, 0, "v"},  // odd last byte left out
        {IniEncoding::Utf16Be, "\0[\0S\0]\0\n\0k\0=\xD8\0"s, 0, "\xEF\xBF\xBD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        std::string bytes = encodedFile(c.encoding, "") + c.body;
        ASSERT_EQ(load(bytes), c.result);
        EXPECT_EQ(ini.GetValue("S", "k"), c.value);
        if (c.result != 0) {
            EXPECT_FALSE(ini.HasSection("S"));
            EXPECT_TRUE(ini.Lines().empty());
        }
    }
}

TEST_F(CIniMgrTest, Utf16FileStartingWithNulReadsAsUtf32) {
    EXPECT_EQ(load("\xFF\xFE\0\0[\0S\0]\0"s), CIniMgr::LoadDecodeFailed);
    EXPECT_EQ(ini.Encoding(), IniEncoding::Utf32Le);
}

TEST_F(CIniMgrTest, SplitsAtLfAndTrimsSpacesBeforeCr) {
    ASSERT_EQ(load("  a  \r\n\n\n \r\nb \r\r\n\tc\t\n\n"), CIniMgr::LoadOk);
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"a  ", "", "b ", "\tc\t"}));
}

TEST_F(CIniMgrTest, FailedReadKeepsThePreviousContent) {
    EXPECT_FALSE(ini.HasSection("Main"));
    ASSERT_EQ(load(kText), CIniMgr::LoadOk);
    EXPECT_EQ(ini.LoadFile(temp.file("missing.ini")), CIniMgr::LoadCannotOpen);
    EXPECT_EQ(ini.FilePath(), temp.file("missing.ini"));
    EXPECT_EQ(ini.GetValue("Main", "plain"), "1");
    EXPECT_EQ(ini.LoadFile(temp.path()), CIniMgr::LoadNoLength);
    EXPECT_EQ(ini.GetValue("Main", "plain"), "1");

    ASSERT_EQ(load("[New]\nk=v\n"), CIniMgr::LoadOk);
    EXPECT_FALSE(ini.HasSection("Main"));
    EXPECT_EQ(ini.GetValue("New", "k"), "v");
    ini.Clear();
    EXPECT_FALSE(ini.HasSection("New"));
    EXPECT_TRUE(ini.Lines().empty());
}

TEST_F(CIniMgrTest, AnyBytesLoadOrFailToDecode) {
    std::mt19937 random(7);
    const std::string marks[] = {"",         "\xEF\xBB\xBF",  "\xFF\xFE",
                                 "\xFE\xFF", "\xFF\xFE\0\0"s, "\0\0\xFE\xFF"s};
    for (int round = 0; round < 300; ++round) {
        std::string bytes = marks[round % 6];
        std::size_t length = random() % 200;
        for (std::size_t i = 0; i < length; ++i) {
            // Mostly the characters that steer the parser, some of anything.
            static const char kSteering[] = "[]=;\r\n \0\xC3\xA9\xF0";
            bytes +=
                random() % 3 ? kSteering[random() % (sizeof kSteering - 1)] : static_cast<char>(random());
        }
        int result = load(bytes);
        EXPECT_TRUE(result == CIniMgr::LoadOk || result == CIniMgr::LoadDecodeFailed) << result;
        std::vector<std::string> keys;
        ini.GetKeyNames("", keys);
        ini.GetValue("", "=");
    }
    ASSERT_EQ(load("[S]\nk=" + std::string(1 << 20, 'x') + "\n"), CIniMgr::LoadOk);
    EXPECT_EQ(ini.GetValue("S", "k").size(), 1u << 20);
}

}  // namespace
