#pragma once

#include <functional>
#include <string>

#include "platform/forms/TForm.h"
#include "platform/forms/TMenuItem.h"

// The tray menu's "Plugin" entry (`ModeMenu`): one radio item per listed
// sub-folder of the plug-in folder, and the start of a chosen plug-in.
class PluginMenu {
public:
    PluginMenu(forms::TForm& form, std::string programFolder, std::string pluginFolderName);

    // Items from the sub-folders whose name is a key of section `Application`
    // of `configPath` with a non-zero value, in folder order; the entry is
    // hidden without items. Returns the number of items.
    int Build(const std::string& configPath);

    // Called on a plug-in item's click: tell the other programs, check the
    // item, start "<plug-in folder>/<caption>/<caption>.exe" with its own path
    // as the parameter, and hide the form.
    std::function<void(forms::TMenuItem& item)> onStart;
    void Start(forms::TMenuItem& item);

    // WM_APP_EXIT_RESUME: every checked item unchecked.
    void UncheckAll();
    bool AnyChecked() const;

    std::string ProgramPath(const forms::TMenuItem& item) const;

private:
    forms::TMenuItem* menu() const;

    forms::TForm& m_form;
    std::string m_strPluginFolder;
};
