#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core {

// Looks up an environment variable. "APPDATA" and "USERPROFILE" fall back to
// their Linux counterparts when unset: $XDG_CONFIG_HOME (or ~/.config) and $HOME.
std::optional<std::string> environmentVariable(std::string_view name);

// $XDG_CONFIG_HOME, or ~/.config when it is unset or empty.
std::string userConfigFolder();

// The per-user folders the programs keep settings in.
std::string appDataFolder();
std::string userProfileFolder();

}  // namespace core
