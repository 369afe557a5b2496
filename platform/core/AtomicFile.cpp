#include "platform/core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "platform/core/FileReader.h"
#include "platform/core/Path.h"

namespace core {

namespace {

constexpr long kNoFault = -1;
std::atomic<long> faultAfterBytes{kNoFault};

bool writeAll(int fd, std::string_view contents) {
    long limit = faultAfterBytes.load();
    std::size_t allowed = contents.size();
    if (limit != kNoFault && static_cast<std::size_t>(limit) < allowed) {
        allowed = static_cast<std::size_t>(limit);
    }
    std::size_t written = 0;
    while (written < allowed) {
        ssize_t n = ::write(fd, contents.data() + written, allowed - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return allowed == contents.size();
}

// A fresh file beside `path`, created with 0666 so that the kernel applies
// the umask: changing the umask to learn it would change it for every thread.
int createTemporary(const std::string& path, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The file being replaced keeps its permissions.
bool keepMode(int fd, const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return true;
    }
    return ::fchmod(fd, info.st_mode & 07777) == 0;
}

// The rename is only on disk once the folder holding the names is.
void syncFolder(const std::string& path) {
    std::string folder = parentFolder(path);
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool replaceFileAtomically(const std::string& path, std::string_view contents) {
    std::string temporary;
    int fd = createTemporary(path, temporary);
    if (fd < 0) {
        return false;
    }
    bool ok = keepMode(fd, path) && writeAll(fd, contents) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temporary.c_str(), path.c_str()) == 0) {
        syncFolder(path);
        return true;
    }
    ::unlink(temporary.c_str());
    return false;
}

std::optional<std::string> readWholeFile(const std::string& path) {
    FileContents contents = readFile(path);
    if (!contents) {
        return std::nullopt;
    }
    return std::move(contents.bytes);
}

void failWritesAfterBytes(std::optional<std::size_t> bytes) {
    faultAfterBytes.store(bytes ? static_cast<long>(*bytes) : kNoFault);
}

}  // namespace core
