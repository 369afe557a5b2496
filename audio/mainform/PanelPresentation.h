#pragma once

#include <functional>
#include <string>
#include <vector>

#include "audio/mainform/PanelLanguage.h"
#include "audio/mainform/PanelSkin.h"
#include "audio/settings/AudioState.h"
#include "audio/settings/LanguageList.h"
#include "platform/forms/TMenuItem.h"

// Where the panel's configuration puts its languages and skins.
struct PresentationSettings {
    std::string m_strProgramFolder;
    std::string m_strLanguageFolderName;
    std::string m_strSkinFolderName;
    std::string m_strInstallFolderName;  // of the per-user copy the choices are saved in
    int m_iOldVersion = 0;
};

// The window's look: language, skin, outline and the tray menu's language and
// skin submenus, with switching from those menus while the panel runs. The
// main form owns one and calls it in its start-up order.
class PanelPresentation {
public:
    PanelPresentation(forms::TForm& form, PresentationSettings settings, std::string language, std::string skin);

    // The resolution folder from the screen, dropped when the current skin has
    // no description there; fixed for the run.
    void ChooseResolutionFolder(long long screenWidth, long long screenHeight);

    int BuildLanguageMenu();
    int BuildSkinMenu();
    void LoadLanguage();
    void LoadSkin();

    // A malformed integer in the new table throws EConvertError; the records
    // read before it stay.
    void LanguageMenuClick(forms::TMenuItem& item);
    // False when the new skin's pictures could not all be found: the window
    // keeps its look and the previous skin stays chosen. A malformed geometry
    // value throws EConvertError with the previous skin loaded again.
    bool SkinMenuClick(forms::TMenuItem& item);

    PanelLanguage& Language() { return m_language; }
    PanelSkin& Skin() { return m_skin; }
    const std::string& LanguageName() const { return m_strLanguage; }
    const std::string& SkinName() const { return m_strSkin; }
    const std::string& ResolutionFolder() const { return m_place.m_strResolutionFolder; }
    std::string ProgramConfigPath() const;

    // When set, every loaded skin stores its lighting mode and colours here.
    AudioState* audioState = nullptr;
    // The window's current state, asked for whenever the look is applied again.
    std::function<PanelLookState()> currentState = [] { return PanelLookState{}; };
    // After a switch: the current page drawn again.
    std::function<void()> onRedrawPage;
    // After a skin switch: the pages' values refreshed from the new geometry
    // (sliders, speakers moved by the ratio of the new radius to the previous).
    std::function<void(const SkinSettings&)> onSkinChanged;

private:
    std::string languagesFolder() const;
    void saveChoices() const;

    forms::TForm& m_form;
    PresentationSettings m_settings;
    SkinPlace m_place;
    std::string m_strLanguage;
    std::string m_strSkin;
    PanelLanguage m_language;
    PanelSkin m_skin;
    std::vector<LanguageEntry> m_languages;
};
