#include "platform/core/FileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <new>

namespace core {

namespace {

std::atomic<ReadError> injectedError{ReadError::none};

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads up to the end, which may come before or after the length fstat gave
// (a file that changes meanwhile).
bool readToEnd(int fd, std::string& bytes) {
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            bytes.resize(bytes.size() + 4096);
        }
        ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            bytes.resize(done);
            return true;
        }
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

FileContents readFile(const std::string& path) {
    FileContents contents;
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        contents.error = errno == ENOENT || errno == ENOTDIR ? ReadError::missing : ReadError::cannotOpen;
        return contents;
    }
    if (ReadError injected = injectedError.load(); injected != ReadError::none) {
        contents.error = injected;
        return contents;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        contents.error = ReadError::notRegularFile;
        return contents;
    }
    try {
        contents.bytes.resize(static_cast<std::size_t>(info.st_size));
        if (!readToEnd(file.get(), contents.bytes)) {
            contents.bytes.clear();
            contents.error = ReadError::readFailed;
        }
    } catch (const std::bad_alloc&) {
        contents.bytes = std::string();
        contents.error = ReadError::noMemory;
    } catch (const std::length_error&) {
        contents.bytes = std::string();
        contents.error = ReadError::noMemory;
    }
    return contents;
}

void failReadsOfExistingFiles(ReadError error) {
    injectedError.store(error);
}

}  // namespace core
