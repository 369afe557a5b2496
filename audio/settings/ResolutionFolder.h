#pragma once

#include <string>

// The folder set a skin and its languages come in for this screen: "1920x1080",
// "1366x768", "960x540" or "" (none). The area must be strictly larger than a
// size's for that size's set, so a screen of exactly 1920 x 1080 takes the
// 1366 x 768 set.
std::string ResolutionFolderForScreen(long long width, long long height);

// The folder a skin lies in: the program folder, the skin folder name, the
// resolution folder, the skin's name (an empty name is the skins folder itself).
std::string SkinFolderPath(const std::string& programFolder, const std::string& skinFolderName,
                           const std::string& resolutionFolder, const std::string& skin);

// The resolution folder for the run: the screen's, dropped to "" when the
// current skin has no SkinSetting.ini in it.
std::string ChooseResolutionFolder(long long width, long long height, const std::string& programFolder,
                                   const std::string& skinFolderName, const std::string& skin);
