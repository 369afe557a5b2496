#pragma once

#include <string>

#include "audio/settings/AudioState.h"
#include "audio/settings/PanelConfiguration.h"
#include "audio/settings/SoundProfileView.h"

// Results of the save and open commands.
enum ProfileCommandResult : int {
    ProfileCommandDone = 0,
    ProfileCommandNoHeadset = 1,
    ProfileCommandCancelled = 2
};

// Results of reading the last or the default profile.
enum ProfileFileResult : int { ProfileFileRead = 0, ProfileFileMissing = 1 };

// Where sound profiles lie. `folder` is the panel's install folder name.
std::string PerUserProfileFolder(const std::string& folder);  // application data, then folder
std::string LastProfilePath(const std::string& folder);
std::string DefaultProfilePath(const std::string& folder);
std::string UserProfileFolder(const std::string& folder);  // the user's home, then folder

inline constexpr const char* kProfileFilter = "INI (*.ini)|*.ini";

// The panel's sound profiles: the last state per user, the default profile,
// and the files the user saves and opens. Reading may throw EConvertError
// (see SoundProfileReader); the open command shows it and goes on.
class SoundProfiles {
public:
    // `config` and `view` must outlive this object.
    SoundProfiles(AudioState& state, SoundProfileView& view, const PanelConfiguration& config,
                  std::string programFolder);

    int WriteProfile(const std::string& path);
    int ReadProfile(const std::string& path);

    int SaveProfileAs();
    int LoadProfile();

    int SaveLastProfile(const std::string& folder);
    // Without a last profile the main form takes its settings from the headset.
    int LoadLastProfile(const std::string& folder);
    bool NoLastProfile() const { return m_bNoLastProfile; }

    int LoadDefaultProfile(const std::string& folder);
    int ReadDefaultSwitches(const std::string& folder);

private:
    std::string ProgramConfig() const;
    void ShowError(const std::string& message);

    AudioState& m_state;
    SoundProfileView& m_view;
    const PanelConfiguration& m_config;
    std::string m_strProgramFolder;
    bool m_bNoLastProfile = false;
};
