#pragma once

#include <string>
#include <vector>

constexpr std::size_t kSkinNameCharacters = 127;

// The skins the menu offers: the subfolders of the skins folder (the program
// folder, the skin folder name, the resolution folder), sorted by name.
std::vector<std::string> ListSkins(const std::string& skinsFolder);

// The item the menu checks: the first named `current`, else the first; -1 for none.
int CheckedSkin(const std::vector<std::string>& skins, const std::string& current);

// The skin a menu caption stands for: every "&" dropped and the character
// after it kept, so "&&" gives one "&".
std::string SkinNameFromCaption(const std::string& caption);
