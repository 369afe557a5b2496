#pragma once

#include <array>
#include <string>

#include "keyboard/model/SettingPair.h"

// config/config.ini: which profile is current and where the five profile files
// live. Positions give the meaning; keys are kept only to be written back.
class AppSettings {
public:
    static constexpr int kPairs = 6;
    static constexpr int kProfiles = 5;

    explicit AppSettings(std::string programFolder = {});

    // Reads the file; a missing or malformed one is replaced by the defaults
    // at once. False when the file was not read as it was.
    bool LoadAppSettings();
    // False when the file could not be written; the old one then stays whole.
    bool SaveAppSettings() const;

    void SetCurrentProfile(int profile);
    // The current profile; 0 for text that is no number or a number outside 0..4.
    int CurrentProfile() const;
    // The file of profile slot 0..4 (empty when not set).
    std::string ProfileSlotPath(int slot) const;

    void SetDefaults();
    std::string FilePath() const;
    const std::string& ProgramFolder() const { return programFolder_; }

    std::array<SettingPair, kPairs> pairs;

private:
    bool ReadFile();

    std::string programFolder_;
};
