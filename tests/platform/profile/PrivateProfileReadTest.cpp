#include <gtest/gtest.h>

#include "ProfileBytes.h"
#include "platform/profile/PrivateProfile.h"
#include "support/TempFolder.h"

namespace {

using namespace std::string_literals;

// One file that holds every rule a read has to follow.
const std::string kRules =
    "outside=before any section\r\n"
    "[Main]\r\n"
    "  Key   =   Value  \r\n"
    "quoted=\"a b\"\r\n"
    "single='x'\r\n"
    "mismatch=\"x'\r\n"
    "; comment=1\r\n"
    "   ;indented=2\r\n"
    "noequals\r\n"
    "dup=first\r\n"
    "dup=second\r\n"
    "empty=\r\n"
    "eq=a=b;c\r\n"
    "accent=Café ☕\r\n"
    "[  Other Section  ]\r\n"
    "k=other\r\n"
    "[main]\r\n"
    "late=in the second Main\r\n"
    "[Broken\r\n"
    "b=1\r\n";

struct ReadCase {
    const char* section;
    const char* key;
    std::size_t buffer;
    const char* expected;
};

const ReadCase kReadCases[] = {
    {"Main", "Key", 256, "Value"},
    {"MAIN", "kEY", 256, "Value"},
    {"  Main ", " Key\t", 256, "Value"},
    {"Main", "quoted", 256, "a b"},
    {"Main", "single", 256, "x"},
    {"Main", "mismatch", 256, "\"x'"},
    {"Main", "; comment", 256, "dflt"},
    {"Main", ";indented", 256, "dflt"},
    {"Main", "noequals", 256, "dflt"},
    {"Main", "dup", 256, "first"},
    {"Main", "empty", 256, ""},
    {"Main", "eq", 256, "a=b;c"},
    {"Main", "accent", 256, "Café ☕"},
    {"Main", "accent", 4, "Caf"},
    {"Main", "accent", 5, "Café"},
    {"Main", "accent", 7, "Café ☕"},
    {"Main", "Key", 1, ""},
    {"Other Section", "K", 256, "other"},
    {"Main", "late", 256, "dflt"},
    {"Main", "outside", 256, "dflt"},
    {"", "outside", 256, "dflt"},
    {"Main", "b", 256, "dflt"},
    {"Broken", "b", 256, "dflt"},
    {"Main", "", 256, "dflt"},
    {"Missing", "Key", 256, "dflt"},
    {"Main", "Missing", 3, "df"},
};

class PrivateProfileReadTest : public ::testing::Test {
protected:
    void expectCases(const std::string& file) {
        for (const ReadCase& c : kReadCases) {
            EXPECT_EQ(profile::readString(temp.file(file), c.section, c.key, "dflt", c.buffer), c.expected)
                << file << " [" << c.section << "] " << c.key << " buffer " << c.buffer;
        }
    }

    TempFolder temp;
};

TEST_F(PrivateProfileReadTest, FollowsThePrivateProfileRules) {
    temp.write("rules.ini", kRules);
    expectCases("rules.ini");
}

TEST_F(PrivateProfileReadTest, UnicodeFilesAndOtherLineEndsReadTheSame) {
    std::string lf = kRules, cr = kRules;
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) {
        lf.replace(at, 2, "\n");
    }
    for (std::size_t at; (at = cr.find("\r\n")) != std::string::npos;) {
        cr.replace(at, 2, "\r");
    }
    temp.write("utf16.ini", utf16LeFile(kRules));
    temp.write("lf.ini", lf);
    temp.write("cr.ini", cr);
    temp.write("marked.ini", "\xEF\xBB\xBF" + kRules);
    expectCases("utf16.ini");
    expectCases("lf.ini");
    expectCases("cr.ini");
    expectCases("marked.ini");
}

TEST_F(PrivateProfileReadTest, MissingFileGivesTheDefault) {
    EXPECT_EQ(profile::readString(temp.file("none.ini"), "Main", "Key", "fallback", 256), "fallback");
    EXPECT_EQ(profile::readString(temp.file("none.ini"), "Main", "Key", "fallback", 4), "fal");
}

TEST_F(PrivateProfileReadTest, AnyBytesReadWithoutHarm) {
    const std::string odd[] = {
        "\xFF\xFE[\0S\0]\0\n\0k\0=\0v"s,            // UTF-16 with an odd last byte
        "\xFF\xFE\x00\xD8[\0S\0]\0\n\0k\0=\0v\0"s,  // lone surrogate
        "[S]\nk=\xC3"s,                             // cut UTF-8 sequence
        "\0\0[S]\r\r\n\nk=\xFF\xFE\0"s,
        "\xFF\xFE",
        "",
        std::string(100000, '['),
    };
    for (const std::string& bytes : odd) {
        temp.write("odd.ini", bytes);
        std::string value = profile::readString(temp.file("odd.ini"), "S", "k", "d", 3);
        EXPECT_LE(value.size(), 6u);
    }
    temp.write("odd.ini", "\xFF\xFE[\0S\0]\0\n\0k\0=\0v"s);
    EXPECT_EQ(profile::readString(temp.file("odd.ini"), "S", "k", "d", 256), "");
    temp.write("odd.ini", "\xFF\xFE[\0S\0]\0\n\0k\0=\0v\0w"s);
    EXPECT_EQ(profile::readString(temp.file("odd.ini"), "S", "k", "d", 256), "v");
}

}  // namespace
