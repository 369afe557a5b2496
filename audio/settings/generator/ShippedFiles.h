#pragma once

#include <QString>

#include <string>

// The panel's shipped data under a program folder: configuration, language
// tables and the default skin, each for every resolution folder.
namespace shipped {

constexpr const char* kLanguageFolder = "Language";
constexpr const char* kSkinFolder = "Skin";
constexpr const char* kDefaultSkin = "Default";

struct Resolution {
    const char* folder;  // "" for none
    double scale;        // of the 800 x 500 design
};
inline constexpr Resolution kResolutions[] = {{"", 1.0}, {"960x540", 1.0}, {"1366x768", 1.25}, {"1920x1080", 1.5}};

// Each writes its files and returns false, saying why on stderr, when one
// could not be written or a key of the readers' lists went without a value.
bool WriteConfiguration(const QString& programFolder);
bool WriteLanguages(const QString& programFolder, const Resolution& resolution);
bool WriteSkin(const QString& programFolder, const Resolution& resolution);

// Writes `text` as UTF-8, creating folders.
bool WriteText(const QString& path, const std::string& text);

}  // namespace shipped
