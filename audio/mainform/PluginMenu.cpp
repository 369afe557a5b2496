#include "audio/mainform/PluginMenu.h"

#include "audio/settings/FolderList.h"
#include "audio/settings/PanelConfigFile.h"
#include "platform/core/Path.h"

namespace {

std::string withoutAmpersands(const std::string& caption) {
    std::string plain;
    for (char c : caption) {
        if (c != '&') {
            plain += c;
        }
    }
    return plain;
}

}  // namespace

PluginMenu::PluginMenu(forms::TForm& form, std::string programFolder, std::string pluginFolderName)
    : m_form(form), m_strPluginFolder(core::joinPath(programFolder, pluginFolderName)) {}

forms::TMenuItem* PluginMenu::menu() const {
    return m_form.Find<forms::TMenuItem>("ModeMenu");
}

int PluginMenu::Build(const std::string& configPath) {
    forms::TMenuItem* mode = menu();
    if (mode == nullptr) {
        return 0;
    }
    mode->Clear();
    for (const std::string& folder : ListSubfolders(m_strPluginFolder)) {
        if (!IsPluginListed(configPath, folder)) {
            continue;
        }
        forms::TMenuItem& item = mode->Add();
        item.SetCaption(folder);
        item.SetRadioItem(true);
        item.OnClick = [this, &item](forms::TObject*) { Start(item); };
    }
    mode->SetVisible(mode->Count() > 0);
    return mode->Count();
}

std::string PluginMenu::ProgramPath(const forms::TMenuItem& item) const {
    const std::string name = withoutAmpersands(item.Caption());
    return core::joinPath(core::joinPath(m_strPluginFolder, name), name + ".exe");
}

void PluginMenu::Start(forms::TMenuItem& item) {
    if (onStart) {
        onStart(item);
    }
}

void PluginMenu::UncheckAll() {
    if (forms::TMenuItem* mode = menu()) {
        for (int i = 0; i < mode->Count(); ++i) {
            mode->Items(i).SetChecked(false);
        }
    }
}

bool PluginMenu::AnyChecked() const {
    if (forms::TMenuItem* mode = menu()) {
        for (int i = 0; i < mode->Count(); ++i) {
            if (mode->Items(i).Checked()) {
                return true;
            }
        }
    }
    return false;
}
