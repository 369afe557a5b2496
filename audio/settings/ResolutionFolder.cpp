#include "audio/settings/ResolutionFolder.h"

#include "platform/core/Path.h"

std::string ResolutionFolderForScreen(long long width, long long height) {
    long long area = width * height;
    if (area > 1920LL * 1080) {
        return "1920x1080";
    }
    if (area > 1366LL * 768) {
        return "1366x768";
    }
    if (area > 960LL * 540) {
        return "960x540";
    }
    return "";
}

std::string SkinFolderPath(const std::string& programFolder, const std::string& skinFolderName,
                           const std::string& resolutionFolder, const std::string& skin) {
    std::string folder = core::joinPath(core::joinPath(programFolder, skinFolderName), resolutionFolder);
    return core::joinPath(folder, skin);
}

std::string ChooseResolutionFolder(long long width, long long height, const std::string& programFolder,
                                   const std::string& skinFolderName, const std::string& skin) {
    std::string resolution = ResolutionFolderForScreen(width, height);
    std::string folder = SkinFolderPath(programFolder, skinFolderName, resolution, skin);
    return core::fileExists(core::joinPath(folder, "SkinSetting.ini")) ? resolution : std::string();
}
