#include "platform/core/ProgramFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <vector>

#include "platform/core/Path.h"

namespace core {

namespace {

std::mutex folderMutex;
std::string chosenFolder;

}  // namespace

void setProgramFolder(const std::string& folder) {
    std::lock_guard lock(folderMutex);
    chosenFolder = folder;
}

std::string executableFolder() {
    std::vector<char> buffer(4096);
    ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return ".";
    }
    return parentFolder(std::string(buffer.data(), static_cast<size_t>(length)));
}

std::string programFolder(const char* overrideVariable) {
    {
        std::lock_guard lock(folderMutex);
        if (!chosenFolder.empty()) {
            return chosenFolder;
        }
    }
    if (overrideVariable != nullptr) {
        const char* value = std::getenv(overrideVariable);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return executableFolder();
}

}  // namespace core
