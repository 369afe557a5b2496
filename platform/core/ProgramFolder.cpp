#include "platform/core/ProgramFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/core/Environment.h"
#include "platform/core/Path.h"

#ifndef QUELDA_PRIVATE_LIBDIR
#define QUELDA_PRIVATE_LIBDIR "lib/quelda-sonvair"
#endif

namespace core {

namespace {

std::mutex folderMutex;
std::string chosenFolder;

// The folder given with setProgramFolder, else the override variable's.
std::optional<std::string> toldFolder(const char* overrideVariable) {
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
    return std::nullopt;
}

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
    return toldFolder(overrideVariable).value_or(executableFolder());
}

std::string programFolder(const char* overrideVariable, const std::string& installedName) {
    if (auto told = toldFolder(overrideVariable)) {
        return *told;
    }
    return runsInstalled() ? userProgramFolder(installedName) : executableFolder();
}

bool runsInstalled() {
    const std::filesystem::path bin(executableFolder());
    std::error_code error;
    return bin.filename() == "bin" &&
           std::filesystem::is_directory(bin.parent_path() / QUELDA_PRIVATE_LIBDIR, error);
}

std::string userProgramFolder(const std::string& name) {
    const std::string folder = joinPath(userConfigFolder(), name);
    std::error_code ignored;  // the loaders say what they cannot write
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

}  // namespace core
