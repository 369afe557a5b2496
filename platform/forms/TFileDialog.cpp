#include "platform/forms/TFileDialog.h"

#include "platform/forms/LayoutProperties.h"
#include "platform/forms/TForm.h"

namespace forms {

bool TFileDialog::Execute() {
    ui::FileDialogOptions options;
    options.mode = mode_;
    options.title = Title;
    // The layer's filter ends with "||".
    options.filter = Filter.empty() ? std::string() : Filter + "||";
    options.filterIndex = FilterIndex;
    options.defaultExtension = DefaultExt;
    options.initialFolder = InitialDir;
    options.fileName = FileName;
    options.fileMustExist = (Options & ofFileMustExist) != 0;
    options.overwritePrompt = (Options & ofOverwritePrompt) != 0;
    options.owner = &Owner();
    const std::optional<std::string> chosen = ui::fileDialog(options);
    if (!chosen) {
        return false;
    }
    FileName = *chosen;
    return true;
}

bool TFileDialog::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                              std::string& error) {
    std::string* text = key == "Filter"       ? &Filter
                        : key == "DefaultExt" ? &DefaultExt
                        : key == "InitialDir" ? &InitialDir
                        : key == "FileName"   ? &FileName
                        : key == "Title"      ? &Title
                                              : nullptr;
    if (text != nullptr) {
        return layout::applyText(value, error, [&](const std::string& v) { *text = v; });
    }
    if (key == "FilterIndex") {
        return layout::toInt(value, FilterIndex, error);
    }
    if (key == "Options") {
        Options = 0;
        for (const std::string& option : value.texts()) {
            if (option == "ofOverwritePrompt") {
                Options |= ofOverwritePrompt;
            } else if (option == "ofFileMustExist") {
                Options |= ofFileMustExist;
            } else {
                error = "options are ofOverwritePrompt and ofFileMustExist";
                return false;
            }
        }
        return true;
    }
    return TComponent::SetProperty(key, value, folder, error);
}

void TFileDialog::DescribeState(std::ostream& out) const {
    out << " filter=";
    writeQuoted(out, Filter);
    out << " file=";
    writeQuoted(out, FileName);
    TComponent::DescribeState(out);
}

}  // namespace forms
