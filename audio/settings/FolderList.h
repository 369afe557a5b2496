#pragma once

#include <string>
#include <vector>

// Names of the immediate subfolders of `folder`, sorted by name; none when
// the folder is missing.
std::vector<std::string> ListSubfolders(const std::string& folder);
