#include "platform/core/Environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/core/Path.h"

namespace core {

namespace {

std::optional<std::string> rawVariable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

std::string homeFolder() {
    if (auto home = rawVariable("HOME"); home && !home->empty()) {
        return *home;
    }
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) {
        return entry->pw_dir;
    }
    return "/tmp";
}

}  // namespace

std::string userConfigFolder() {
    if (auto config = rawVariable("XDG_CONFIG_HOME"); config && !config->empty()) {
        return *config;
    }
    return joinPath(homeFolder(), ".config");
}

std::optional<std::string> environmentVariable(std::string_view name) {
    std::string key(name);
    if (auto value = rawVariable(key)) {
        return value;
    }
    if (key == "APPDATA") {
        return userConfigFolder();
    }
    if (key == "USERPROFILE") {
        return homeFolder();
    }
    return std::nullopt;
}

std::string appDataFolder() {
    return *environmentVariable("APPDATA");
}

std::string userProfileFolder() {
    return *environmentVariable("USERPROFILE");
}

}  // namespace core
