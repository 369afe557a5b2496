#include "platform/core/AtomicFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>

#include "platform/core/FileReader.h"

#include "support/TempFolder.h"

// Every umask() of this process passes here (the executable's definition comes
// before the C library's), so a test sees whether the layer called it.
std::atomic<int> umaskCalls{0};

extern "C" mode_t umask(mode_t mask) {
    ++umaskCalls;
    return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    void TearDown() override { core::failWritesAfterBytes(std::nullopt); }

    size_t filesIn(const std::string& folder) const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
    }

    unsigned modeOf(const std::string& name) const {
        struct stat info {};
        ::stat(temp.file(name).c_str(), &info);
        return info.st_mode & 0777;
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

TEST_F(AtomicFileTest, NewFilesFollowTheUmaskAndReplacedOnesKeepTheirMode) {
    const mode_t before = ::umask(027);
    ASSERT_TRUE(core::replaceFileAtomically(temp.file("new.txt"), "x"));
    temp.write("old.txt", "x");
    ::chmod(temp.file("old.txt").c_str(), 0604);
    ASSERT_TRUE(core::replaceFileAtomically(temp.file("old.txt"), "y"));
    ::umask(before);
    EXPECT_EQ(modeOf("new.txt"), 0640u);
    EXPECT_EQ(modeOf("old.txt"), 0604u);
}

// The umask is the whole process's: a save must not change it, even for a
// moment, while other threads create files.
TEST_F(AtomicFileTest, SavingNewFilesNeverTouchesTheUmask) {
    const int before = umaskCalls.load();
    ASSERT_TRUE(core::replaceFileAtomically(temp.file("fresh.txt"), "x"));
    temp.write("kept.txt", "x");
    ASSERT_TRUE(core::replaceFileAtomically(temp.file("kept.txt"), "y"));
    EXPECT_EQ(umaskCalls.load(), before);
}

TEST_F(AtomicFileTest, ReadsSayWhyTheyFailed) {
    temp.write("a.txt", "bytes");
    core::FileContents read = core::readFile(temp.file("a.txt"));
    EXPECT_TRUE(read);
    EXPECT_EQ(read.bytes, "bytes");
    EXPECT_EQ(core::readFile(temp.file("missing")).error, core::ReadError::missing);
    EXPECT_EQ(core::readFile(temp.file("a.txt/below")).error, core::ReadError::missing);
    EXPECT_EQ(core::readFile(temp.path()).error, core::ReadError::notRegularFile);
}

}  // namespace
