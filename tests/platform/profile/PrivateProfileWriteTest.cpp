#include <gtest/gtest.h>

#include "ProfileBytes.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/FileReader.h"
#include "platform/profile/PrivateProfile.h"
#include "support/TempFolder.h"

namespace {

class PrivateProfileWriteTest : public ::testing::Test {
protected:
    void TearDown() override {
        core::failWritesAfterBytes(std::nullopt);
        core::failReadsOfExistingFiles(core::ReadError::none);
    }

    bool write(const char* section, const char* key, const char* value) {
        return profile::writeString(path, section, key, value);
    }
    std::string read(const char* section, const char* key) {
        return profile::readString(path, section, key, "<missing>", 2048);
    }

    TempFolder temp;
    std::string path = temp.file("p.ini");
};

TEST_F(PrivateProfileWriteTest, NewFileIsUtf8WithCrLf) {
    ASSERT_TRUE(write("EQ", "S1", "0x400,0x400,1"));
    ASSERT_TRUE(write("EQ", "EQEN", "1"));
    ASSERT_TRUE(write("3D", "FBM", "Müller"));
    EXPECT_EQ(temp.read("p.ini"),
              "[EQ]\r\nS1=0x400,0x400,1\r\nEQEN=1\r\n"
              "[3D]\r\nFBM=Müller\r\n");
}

TEST_F(PrivateProfileWriteTest, EditsTouchOnlyTheirLine) {
    temp.write("p.ini",
               "; kept comment\n"
               "loose line\n"
               "[A]\n"
               "x = 1\n"
               "odd line\n"
               "\n"
               "[b]\n"
               "y=2\n"
               "y=3\n"
               "; trailing comment\n"
               "\n"
               "[C]\n"
               "z=9");
    ASSERT_TRUE(write("a", "X", "10"));      // replaced in place, case-insensitively
    ASSERT_TRUE(write("A", "new", "n"));     // after the section's last line, before the blank
    ASSERT_TRUE(write(" B ", "y", "  20"));  // first duplicate only, leading blanks dropped
    ASSERT_TRUE(write("B", "w", ""));        // before the trailing comment's blank line
    ASSERT_TRUE(write("C", "last", "l"));    // the last line had no line break
    ASSERT_TRUE(write("D", "k", "v"));
    EXPECT_EQ(temp.read("p.ini"),
              "; kept comment\n"
              "loose line\n"
              "[A]\n"
              "X=10\n"
              "odd line\n"
              "new=n\r\n"
              "\n"
              "[b]\n"
              "y=20\n"
              "y=3\n"
              "w=\r\n"
              "; trailing comment\n"
              "\n"
              "[C]\n"
              "z=9\r\n"
              "last=l\r\n"
              "[D]\r\nk=v\r\n");
}

TEST_F(PrivateProfileWriteTest, Utf16FileStaysUtf16) {
    temp.write("p.ini", utf16LeFile("[Lang]\r\nTitle=Ηχος\r\n"));
    ASSERT_TRUE(write("Lang", "Title", "Son ☕"));
    ASSERT_TRUE(write("Lang", "Extra", "€"));
    EXPECT_EQ(temp.read("p.ini"), utf16LeFile("[Lang]\r\nTitle=Son ☕\r\nExtra=€\r\n"));
    EXPECT_EQ(read("LANG", "title"), "Son ☕");
}

TEST_F(PrivateProfileWriteTest, WrittenValuesReadBackUnchanged) {
    const char* values[] = {"plain",
                            "",
                            "/home/user/Profiles/My Sound.ini",
                            "0x400,0x3FF,0x0,0x1,0x2,1",
                            "a=b;c",
                            "Ünïcødé 音",
                            "[not a header]",
                            "; not a comment"};
    for (const char* value : values) {
        ASSERT_TRUE(write("Section", "Key", value)) << value;
        EXPECT_EQ(read("section", "KEY"), value);
    }
}

TEST_F(PrivateProfileWriteTest, RefusesWhatWouldBreakTheFile) {
    ASSERT_TRUE(write("S", "k", "v"));
    const std::string before = temp.read("p.ini");
    EXPECT_FALSE(write("S", "k", "two\r\n[Injected]"));
    EXPECT_FALSE(write("S\n", "k", "v"));
    EXPECT_FALSE(write("S", "a=b", "v"));
    EXPECT_FALSE(write("S", "  ", "v"));
    EXPECT_EQ(temp.read("p.ini"), before);
}

TEST_F(PrivateProfileWriteTest, FailedWriteKeepsTheOldFile) {
    ASSERT_TRUE(write("S", "k", "old"));
    core::failWritesAfterBytes(4);
    EXPECT_FALSE(write("S", "k", "new"));
    core::failWritesAfterBytes(std::nullopt);
    EXPECT_EQ(read("S", "k"), "old");
    EXPECT_FALSE(profile::writeString(temp.file("no/such/folder/p.ini"), "S", "k", "v"));
}

TEST_F(PrivateProfileWriteTest, ManyEntriesGoInOneReplacement) {
    temp.write("p.ini", "; mine\r\n[EQ]\r\nEQEN=0\r\n");
    ASSERT_TRUE(
        profile::writeStrings(path, {{"EQ", "S1", "0x400,1"}, {"eq", "EQEN", "1"}, {"LED", "LEDON", "1"}}));
    EXPECT_EQ(temp.read("p.ini"), "; mine\r\n[EQ]\r\nEQEN=1\r\nS1=0x400,1\r\n[LED]\r\nLEDON=1\r\n");

    // One bad entry or a failed write: nothing of the batch lands.
    const std::string before = temp.read("p.ini");
    EXPECT_FALSE(profile::writeStrings(path, {{"EQ", "EQEN", "0"}, {"EQ", "S2", "a\nb"}}));
    core::failWritesAfterBytes(10);
    EXPECT_FALSE(profile::writeStrings(path, {{"EQ", "EQEN", "0"}, {"EQ", "S2", "0x400"}}));
    core::failWritesAfterBytes(std::nullopt);
    EXPECT_EQ(temp.read("p.ini"), before);
}

TEST_F(PrivateProfileWriteTest, AFileThatCannotBeReadIsLeftAlone) {
    ASSERT_TRUE(write("S", "a", "1"));
    ASSERT_TRUE(write("S", "b", "2"));
    const std::string before = temp.read("p.ini");
    for (core::ReadError error : {core::ReadError::cannotOpen, core::ReadError::readFailed}) {
        core::failReadsOfExistingFiles(error);
        EXPECT_FALSE(write("S", "c", "3"));
        EXPECT_FALSE(profile::writeStrings(path, {{"S", "c", "3"}, {"T", "d", "4"}}));
        core::failReadsOfExistingFiles(core::ReadError::none);
        EXPECT_EQ(temp.read("p.ini"), before);
    }
}

}  // namespace
