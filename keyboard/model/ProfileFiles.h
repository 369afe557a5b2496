#pragma once

#include <array>
#include <optional>
#include <string>

#include "keyboard/model/AppSettings.h"
#include "keyboard/model/ProfileRecord.h"

// The five profile records and their ".psf" files, whose paths the settings give.
class ProfileRecords {
public:
    static constexpr int kCount = 5;

    explicit ProfileRecords(const AppSettings& settings) : settings_(settings) {}

    // Reads slot n's file; on any fault the record gets the defaults and the
    // file is written anew. False when the file was not read as it was.
    bool LoadProfile(int slot);
    // False when the file could not be written; the old one then stays whole.
    bool SaveProfile(int slot) const;
    void ResetProfile(int slot);

    ProfileRecord& Record(int slot) { return records_.at(static_cast<std::size_t>(slot)); }
    const ProfileRecord& Record(int slot) const { return records_.at(static_cast<std::size_t>(slot)); }

private:
    const AppSettings& settings_;
    std::array<ProfileRecord, kCount> records_;
};

// The text of a profile file and back; exposed for the files' own tests.
std::string ProfileFileText(const ProfileRecord& record);
// nullopt when the text is not a valid profile file; launch paths not in the
// text keep those of `base`.
std::optional<ProfileRecord> ParseProfileFile(const std::string& text, const ProfileRecord& base);
