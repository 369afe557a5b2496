#include "audio/mainform/PanelPresentation.h"

#include "audio/settings/EConvertError.h"
#include "audio/settings/PanelConfigFile.h"
#include "audio/settings/ResolutionFolder.h"
#include "audio/settings/SkinLighting.h"
#include "audio/settings/SkinList.h"
#include "audio/settings/UserChoices.h"
#include "platform/core/Path.h"
#include "platform/forms/TListBox.h"

namespace {

void uncheckAll(forms::TMenuItem& menu) {
    for (int i = 0; i < menu.Count(); ++i) {
        menu.Items(i).SetChecked(false);
    }
}

// A folder name as a menu caption: "&" would mark an accelerator, so it is doubled.
std::string menuCaption(const std::string& folder) {
    std::string caption;
    for (char c : folder) {
        caption += c;
        if (c == '&') {
            caption += '&';
        }
    }
    return caption;
}

}  // namespace

PanelPresentation::PanelPresentation(forms::TForm& form, PresentationSettings settings, std::string language,
                                     std::string skin)
    : m_form(form),
      m_settings(std::move(settings)),
      m_place{m_settings.m_strProgramFolder, m_settings.m_strSkinFolderName, ""},
      m_strLanguage(std::move(language)),
      m_strSkin(std::move(skin)),
      m_language(form),
      m_skin(form) {}

std::string PanelPresentation::ProgramConfigPath() const {
    return ::ProgramConfigPath(m_settings.m_strProgramFolder);
}

void PanelPresentation::ChooseResolutionFolder(long long screenWidth, long long screenHeight) {
    m_place.m_strResolutionFolder = ::ChooseResolutionFolder(screenWidth, screenHeight, m_settings.m_strProgramFolder,
                                                             m_settings.m_strSkinFolderName, m_strSkin);
}

std::string PanelPresentation::languagesFolder() const {
    return core::joinPath(core::joinPath(m_settings.m_strProgramFolder, m_settings.m_strLanguageFolderName),
                          m_place.m_strResolutionFolder);
}

int PanelPresentation::BuildLanguageMenu() {
    auto* menu = m_form.Find<forms::TMenuItem>("LanguageMenu");
    auto* map = m_form.Find<forms::TListBox>("ListBoxLanguageMap");
    m_languages = ListLanguages(languagesFolder(), ProgramConfigPath());
    if (menu == nullptr) {
        return static_cast<int>(m_languages.size());
    }
    menu->Clear();
    if (map != nullptr) {
        map->Clear();
    }
    for (const LanguageEntry& language : m_languages) {
        if (map != nullptr) {
            map->AddItem(language.m_strFolder);
        }
        forms::TMenuItem& item = menu->Add();
        item.SetCaption(language.m_strCaption);
        item.OnClick = [this, &item](forms::TObject*) { LanguageMenuClick(item); };
    }
    int checked = CheckedLanguage(m_languages, m_strLanguage);
    if (checked >= 0) {
        menu->Items(checked).SetChecked(true);
    }
    return menu->Count();
}

int PanelPresentation::BuildSkinMenu() {
    auto* menu = m_form.Find<forms::TMenuItem>("SkinMenu");
    std::vector<std::string> skins =
        ListSkins(SkinFolderPath(m_settings.m_strProgramFolder, m_settings.m_strSkinFolderName,
                                 m_place.m_strResolutionFolder, ""));
    if (menu == nullptr) {
        return static_cast<int>(skins.size());
    }
    menu->Clear();
    for (const std::string& skin : skins) {
        forms::TMenuItem& item = menu->Add();
        item.SetCaption(menuCaption(skin));
        item.OnClick = [this, &item](forms::TObject*) { SkinMenuClick(item); };
    }
    int checked = CheckedSkin(skins, m_strSkin);
    if (checked >= 0) {
        menu->Items(checked).SetChecked(true);
    }
    return menu->Count();
}

void PanelPresentation::LoadLanguage() {
    m_language.LoadLanguage(LanguageTablePath(m_settings.m_strProgramFolder, m_settings.m_strLanguageFolderName,
                                              m_place.m_strResolutionFolder, m_strLanguage),
                            m_settings.m_iOldVersion);
}

void PanelPresentation::LoadSkin() {
    m_skin.LoadSkin(m_place, m_strSkin, m_settings.m_iOldVersion);
    if (audioState != nullptr) {
        StoreSkinLighting(m_skin.Settings(), *audioState);
    }
}

void PanelPresentation::LanguageMenuClick(forms::TMenuItem& item) {
    if (forms::TMenuItem* menu = item.Parent()) {
        uncheckAll(*menu);
    }
    item.SetChecked(true);
    // Items shown alike lead to the first of them.
    m_strLanguage = LanguageForCaption(m_languages, item.Caption());
    LoadLanguage();
    m_language.ApplyCaptions(currentState());
    if (onRedrawPage) {
        onRedrawPage();
    }
    saveChoices();
}

bool PanelPresentation::SkinMenuClick(forms::TMenuItem& item) {
    forms::TMenuItem* menu = item.Parent();
    const std::string previous = m_strSkin;
    m_strSkin = SkinNameFromCaption(item.Caption());
    auto restore = [&] {
        m_strSkin = previous;
        LoadSkin();
    };
    try {
        LoadSkin();
    } catch (const EConvertError&) {
        restore();
        throw;  // the window shows it; its look stays
    }
    if (m_skin.ApplySkinImages(currentState(), ProgramConfigPath()) != SkinApplyResult::ok) {
        restore();
        return false;
    }
    if (menu != nullptr) {
        uncheckAll(*menu);
    }
    item.SetChecked(true);
    m_language.ApplyCaptions(currentState());
    if (onSkinChanged) {
        onSkinChanged(m_skin.Settings());
    }
    if (onRedrawPage) {
        onRedrawPage();
    }
    saveChoices();
    return true;
}

void PanelPresentation::saveChoices() const {
    SaveUserChoices(m_settings.m_strInstallFolderName, m_strLanguage, m_strSkin);
}
