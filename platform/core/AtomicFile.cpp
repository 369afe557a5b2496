#include "platform/core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

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

// Keeps the permissions of the file being replaced; new files get 0644 less the umask.
void copyMode(int fd, const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        ::fchmod(fd, info.st_mode & 07777);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
}

}  // namespace

bool replaceFileAtomically(const std::string& path, std::string_view contents) {
    std::string pattern = path + ".XXXXXX";
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    copyMode(fd, path);
    bool ok = writeAll(fd, contents) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temporary.data(), path.c_str()) == 0) {
        return true;
    }
    ::unlink(temporary.data());
    return false;
}

std::optional<std::string> readWholeFile(const std::string& path) {
    if (!fileExists(path)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return buffer.str();
}

void failWritesAfterBytes(std::optional<std::size_t> bytes) {
    faultAfterBytes.store(bytes ? static_cast<long>(*bytes) : kNoFault);
}

}  // namespace core
