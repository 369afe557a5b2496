#include "audio/settings/SoundProfiles.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "audio/settings/EConvertError.h"
#include "audio/settings/PanelConfigFile.h"
#include "audio/settings/SoundProfileReader.h"
#include "audio/settings/SoundProfileWriter.h"
#include "platform/core/Environment.h"
#include "platform/core/Path.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"

namespace {

constexpr const char* kLastProfileName = "LastProfile.ini";
constexpr const char* kDefaultProfileName = "DefaultProfile.ini";
constexpr const char* kProfileExtension = ".ini";

// Failure is left for the write that follows to meet, as the panel ignores it.
void createFolder(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
}

std::string absolutePath(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

std::optional<std::string> askForProfile(ui::FileDialogMode mode, const std::string& folder,
                                         ui::Window* owner) {
    ui::FileDialogOptions options;
    options.mode = mode;
    options.filter = kProfileFilter;
    options.initialFolder = folder;
    options.fileMustExist = mode == ui::FileDialogMode::open;
    options.owner = owner;
    return ui::fileDialog(options);
}

}  // namespace

std::string PerUserProfileFolder(const std::string& folder) {
    return core::joinPath(core::appDataFolder(), folder);
}

std::string LastProfilePath(const std::string& folder) {
    return core::joinPath(PerUserProfileFolder(folder), kLastProfileName);
}

std::string DefaultProfilePath(const std::string& folder) {
    return core::joinPath(PerUserProfileFolder(folder), kDefaultProfileName);
}

std::string UserProfileFolder(const std::string& folder) {
    return core::joinPath(core::userProfileFolder(), folder);
}

SoundProfiles::SoundProfiles(AudioState& state, SoundProfileView& view, const PanelConfiguration& config,
                             std::string programFolder)
    : m_state(state), m_view(view), m_config(config), m_strProgramFolder(std::move(programFolder)) {}

std::string SoundProfiles::ProgramConfig() const {
    return ProgramConfigPath(m_strProgramFolder);
}

int SoundProfiles::WriteProfile(const std::string& path) {
    return ::WriteProfile(m_state, path);
}

int SoundProfiles::ReadProfile(const std::string& path) {
    return SoundProfileReader(m_state, m_view, m_config.m_mainWindow.m_i3DV7ch1MutuallyExclusive)
        .ReadProfile(path);
}

int SoundProfiles::SaveProfileAs() {
    if (!m_view.CanOpenHeadset()) {
        return ProfileCommandNoHeadset;
    }
    std::string folder = UserProfileFolder(m_config.m_install.m_strInstallFolderName);
    createFolder(folder);
    auto chosen = askForProfile(ui::FileDialogMode::save, folder, m_view.DialogOwner());
    if (!chosen) {
        return ProfileCommandCancelled;
    }
    // Any ".ini" in the name counts, in a folder name too.
    std::string path = *chosen;
    if (path.find(kProfileExtension) == std::string::npos) {
        path += kProfileExtension;
    }
    path = absolutePath(path);
    WriteProfile(path);
    WriteLastIniPath(ProgramConfig(), path);
    return ProfileCommandDone;
}

int SoundProfiles::LoadProfile() {
    if (!m_view.CanOpenHeadset()) {
        return ProfileCommandNoHeadset;
    }
    std::string folder = core::parentFolder(ReadLastIniPath(ProgramConfig()));
    if (folder.empty()) {
        folder = UserProfileFolder(m_config.m_install.m_strInstallFolderName);
        createFolder(folder);
    }
    auto chosen = askForProfile(ui::FileDialogMode::open, folder, m_view.DialogOwner());
    if (!chosen) {
        return ProfileCommandCancelled;
    }
    try {
        ReadProfile(*chosen);
    } catch (const EConvertError& error) {
        // What was read before the fault stays applied; the panel goes on with it.
        ShowError(error.what());
    }
    return ProfileCommandDone;
}

void SoundProfiles::ShowError(const std::string& message) {
    ui::messageBox(m_view.DialogOwner(), message, m_config.m_install.m_strInstallAppTitle,
                   ui::MB_OK | ui::MB_ICONERROR);
}

int SoundProfiles::SaveLastProfile(const std::string& folder) {
    createFolder(PerUserProfileFolder(folder));
    WriteProfile(LastProfilePath(folder));
    return 0;
}

int SoundProfiles::LoadLastProfile(const std::string& folder) {
    std::string path = LastProfilePath(folder);
    if (!core::fileExists(path)) {
        m_bNoLastProfile = true;
        return ProfileFileMissing;
    }
    ReadProfile(path);
    return ProfileFileRead;
}

int SoundProfiles::LoadDefaultProfile(const std::string& folder) {
    std::string path = DefaultProfilePath(folder);
    if (!core::fileExists(path)) {
        return ProfileFileMissing;
    }
    ReadProfile(path);
    return ProfileFileRead;
}

int SoundProfiles::ReadDefaultSwitches(const std::string& folder) {
    std::string path = DefaultProfilePath(folder);
    if (!core::fileExists(path)) {
        return ProfileFileMissing;
    }
    SoundProfileReader(m_state, m_view, m_config.m_mainWindow.m_i3DV7ch1MutuallyExclusive)
        .ReadDefaultSwitches(path);
    return ProfileFileRead;
}
