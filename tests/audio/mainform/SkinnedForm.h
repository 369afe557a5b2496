#pragma once

#include <string>

#include "audio/mainform/SkinImageTargets.h"
#include "audio/settings/CaptionKeys.h"
#include "platform/forms/TBevel.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TListBox.h"
#include "platform/forms/TPopupMenu.h"
#include "platform/forms/TShape.h"

// The main window's skinned components, as its layout file will make them:
// every picture control, every caption label, the tab separators, the
// lighting swatches and the tray menu.
class SkinnedForm : public forms::TForm {
public:
    SkinnedForm() {
        for (const SkinImageTarget& target : SkinImageTargets()) {
            Add<forms::TImage>(std::string(target.m_strControl));
        }
        for (const CaptionKey& key : CaptionKeys()) {
            if (!key.m_strLabel.empty() && Find<forms::TComponent>(std::string(key.m_strLabel)) == nullptr) {
                Add<forms::TLabel>(std::string(key.m_strLabel)).SetTransparent(true);
            }
        }
        for (int i = 2; i <= 7; ++i) {
            Add<forms::TBevel>("Bevel" + std::to_string(i)).SetBounds(0, 0, 2, 20);
        }
        for (const char* swatch : {"Color01Shape", "Color02Shape", "Color03Shape", "Color04Shape", "Color05Shape",
                                   "Color06Shape", "Color07Shape", "ColorSingleShape", "ColorBreatheShape"}) {
            Add<forms::TShape>(swatch).SetBounds(1, 2, 3, 4);
        }
        Add<forms::TListBox>("ListBoxLanguageMap").Hide();
        auto& popup = Add<forms::TPopupMenu>("PopupMenu");
        for (const char* menu : {"LanguageMenu", "SkinMenu", "ModeMenu", "CloseMenu"}) {
            popup.Items().Add(menu);
        }
    }
    ~SkinnedForm() override { Release(); }

    forms::TImage& image(const std::string& name) { return *Find<forms::TImage>(name); }
    forms::TControl& control(const std::string& name) { return *Find<forms::TControl>(name); }
    forms::TMenuItem& menu(const std::string& name) { return *Find<forms::TMenuItem>(name); }
};
