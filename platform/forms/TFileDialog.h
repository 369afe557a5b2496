#pragma once

#include "platform/forms/TComponent.h"
#include "platform/ui/FileDialog.h"

namespace forms {

using TOpenOptions = unsigned;
inline constexpr TOpenOptions ofOverwritePrompt = 0x01;
inline constexpr TOpenOptions ofFileMustExist = 0x02;

// What the open and save dialogs share: Filter "Name|*.ext|Other|*.*",
// DefaultExt without the dot, InitialDir, FileName; Execute says whether the
// user chose a file, and FileName is then its full path.
class TFileDialog : public TComponent {
public:
    TFileDialog(TForm& owner, ui::FileDialogMode mode) : TComponent(owner), mode_(mode) {}

    std::string Filter;
    int FilterIndex = 1;
    std::string DefaultExt;
    std::string InitialDir;
    std::string FileName;
    std::string Title;
    TOpenOptions Options = 0;

    bool Execute();

    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;

private:
    ui::FileDialogMode mode_;
};

class TOpenDialog : public TFileDialog {
public:
    explicit TOpenDialog(TForm& owner) : TFileDialog(owner, ui::FileDialogMode::open) {}
    std::string_view KindName() const override { return "TOpenDialog"; }
};

class TSaveDialog : public TFileDialog {
public:
    explicit TSaveDialog(TForm& owner) : TFileDialog(owner, ui::FileDialogMode::save) {}
    std::string_view KindName() const override { return "TSaveDialog"; }
};

}  // namespace forms
