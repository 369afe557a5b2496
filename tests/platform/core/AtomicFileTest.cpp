#include "platform/core/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempFolder.h"

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    void TearDown() override { core::failWritesAfterBytes(std::nullopt); }

    size_t filesIn(const std::string& folder) const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
    }

    TempFolder temp;
};

TEST_F(AtomicFileTest, ReplacesContentsAndLeavesNoTemporaryBehind) {
    temp.write("a.txt", "old");
    ASSERT_TRUE(core::replaceFileAtomically(temp.file("a.txt"), "new\r\nbytes"));
    EXPECT_EQ(temp.read("a.txt"), "new\r\nbytes");
    EXPECT_EQ(filesIn(temp.path()), 1u);
}

TEST_F(AtomicFileTest, WriteFailingAtAnyPointKeepsTheOldFileWhole) {
    const std::string old = "the previous contents";
    const std::string fresh = "something else entirely, longer";
    temp.write("a.txt", old);
    for (size_t cut = 0; cut < fresh.size(); ++cut) {
        core::failWritesAfterBytes(cut);
        EXPECT_FALSE(core::replaceFileAtomically(temp.file("a.txt"), fresh)) << cut;
        EXPECT_EQ(temp.read("a.txt"), old) << cut;
    }
    EXPECT_EQ(filesIn(temp.path()), 1u);
}

TEST_F(AtomicFileTest, MissingFolderReportsFailure) {
    EXPECT_FALSE(core::replaceFileAtomically(temp.file("no/such/folder.txt"), "x"));
}

TEST_F(AtomicFileTest, ReadWholeFileKeepsEveryByte) {
    std::string bytes("a\0b\r\n\xff", 6);
    temp.write("b.bin", bytes);
    EXPECT_EQ(core::readWholeFile(temp.file("b.bin")), bytes);
    EXPECT_EQ(core::readWholeFile(temp.file("missing")), std::nullopt);
    EXPECT_EQ(core::readWholeFile(temp.path()), std::nullopt);
}

}  // namespace
