#include "platform/core/Path.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

namespace core {

std::string joinPath(std::string_view folder, std::string_view name) {
    if (folder.empty()) {
        return std::string(name);
    }
    while (!name.empty() && name.front() == '/') {
        name.remove_prefix(1);
    }
    std::string path(folder);
    if (path.back() != '/') {
        path += '/';
    }
    path += name;
    return path;
}

std::string parentFolder(std::string_view path) {
    auto slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    if (slash == 0) {
        return "/";
    }
    return std::string(path.substr(0, slash));
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool ensureParentFolder(const std::string& path) {
    std::string folder = parentFolder(path);
    if (folder.empty()) {
        return true;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return !error;
}

}  // namespace core
