#pragma once

#include <string>
#include <string_view>

namespace core {

// Joins two path pieces with exactly one "/" between them.
std::string joinPath(std::string_view folder, std::string_view name);

// Everything before the last "/" ("" when there is none).
std::string parentFolder(std::string_view path);

bool fileExists(const std::string& path);

// Creates the folder that will hold `path` (and its parents); false when it
// cannot be made. Nothing to do for a bare file name.
bool ensureParentFolder(const std::string& path);

}  // namespace core
