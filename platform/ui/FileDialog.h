#pragma once

#include <optional>
#include <string>

namespace ui {

class Window;

enum class FileDialogMode { open, save };

struct FileDialogOptions {
    FileDialogMode mode = FileDialogMode::open;
    std::string title;
    // Pairs of description and pattern separated by "|", ended by "||":
    // "exe file(*.exe)|*.exe||".
    std::string filter;
    int filterIndex = 1;  // 1-based
    std::string defaultExtension;
    std::string initialFolder;
    std::string fileName;  // pre-filled name
    bool fileMustExist = false;
    bool overwritePrompt = false;
    // Also list files with the execute bit, whatever their name: on Linux a
    // program has no extension, so a "*.exe" filter alone would hide it.
    bool offerExecutables = false;
    Window* owner = nullptr;
};

// A modal open/save dialog; the full path chosen, or nothing when cancelled.
std::optional<std::string> fileDialog(const FileDialogOptions& options);

}  // namespace ui
