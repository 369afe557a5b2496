#pragma once

#include <string>

#include "audio/mainform/PanelLookState.h"
#include "audio/settings/CaptionKeys.h"
#include "audio/settings/LanguageTable.h"
#include "platform/forms/TControl.h"
#include "platform/forms/TForm.h"

enum class CaptionState { normal, selected };

// The font-size factor of the screen: 1.0 at 96 pixels per inch, 0.8 at 120,
// 0.6664 at 144, and 96 / ppi elsewhere.
double FontSizeFactor(int pixelsPerInch);

// Shows or hides a control by its record and gives it the record's text,
// colour of the state, font and bounds, falling back to the global font.
void ApplyCaption(const CaptionSetting& caption, forms::TControl& control, CaptionState state,
                  const GlobalFont& global, int pixelsPerInch);

// The window's texts in the chosen language, applied to its labels, the tray
// menu and the about form.
class PanelLanguage {
public:
    explicit PanelLanguage(forms::TForm& form) : m_form(form) {}

    // Clears every record and reads the table at `path`.
    void LoadLanguage(const std::string& path, int oldVersion) { m_table.Load(path, oldVersion); }
    // The next ApplyCaptions shows that the headset's driver is missing, once.
    void ShowUnDriverOnce() { m_bUnDriverPending = true; }
    void ApplyCaptions(const PanelLookState& state);
    // Shows exactly the labels with a text whose page is 0 or `page`.
    void ShowPage(int page);
    // The about form's caption, AboutLabel and WebLabel.
    void ApplyAboutCaptions(forms::TForm& about) const;

    const LanguageTable& Table() const { return m_table; }
    const std::string& WarningText() const { return m_table.Caption("LabelWarning").m_strText; }
    const std::string& Warning1Text() const { return m_table.Caption("LabelWarning1").m_strText; }

private:
    void applyTo(const CaptionKey& key, const CaptionSetting& caption, const PanelLookState& state);
    bool isSelected(std::string_view key, const PanelLookState& state) const;
    void applyDeviceCaption(const PanelLookState& state);
    void layOutTabStrip();
    void applyTrayCaptions();

    forms::TForm& m_form;
    LanguageTable m_table;
    bool m_bUnDriverPending = false;
};
