#include "audio/mainform/PanelLanguage.h"

#include <cmath>
#include <functional>
#include <map>

#include "platform/forms/TApplication.h"
#include "platform/forms/TBevel.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TMenuItem.h"

namespace {

using Selected = std::function<bool(const PanelLookState&)>;

// Captions shown in their selected colour while the window is in that state.
const std::map<std::string_view, Selected>& selectedWhen() {
    static const std::map<std::string_view, Selected> kSelected = {
        {"LabelPageEQ", [](const PanelLookState& s) { return s.m_iCurrentPage == PageEQ; }},
        {"LabelPageEffect", [](const PanelLookState& s) { return s.m_iCurrentPage == PageEffect; }},
        {"LabelPageMic", [](const PanelLookState& s) { return s.m_iCurrentPage == PageMic; }},
        {"LabelPageVirtual7ch1", [](const PanelLookState& s) { return s.m_iCurrentPage == PageVirtual7ch1; }},
        {"LabelPage3D", [](const PanelLookState& s) { return s.m_iCurrentPage == Page3D; }},
        {"LabelPageLED", [](const PanelLookState& s) { return s.m_iCurrentPage == PageLED; }},
        {"LabelPageENC", [](const PanelLookState& s) { return s.m_iCurrentPage == PageENC; }},
        {"LabelPageVMEffect", [](const PanelLookState& s) { return s.m_iCurrentPage == PageVMEffect; }},
        {"LabelEQS1", [](const PanelLookState& s) { return s.m_iCurrentPreset == 1; }},
        {"LabelEQS2", [](const PanelLookState& s) { return s.m_iCurrentPreset == 2; }},
        {"LabelEQS3", [](const PanelLookState& s) { return s.m_iCurrentPreset == 3; }},
        {"LabelEQS4", [](const PanelLookState& s) { return s.m_iCurrentPreset == 4; }},
        {"LabelEQEnable", [](const PanelLookState& s) { return s.m_bEQOn; }},
        {"LableEQ3DEnable", [](const PanelLookState& s) { return s.m_b3DOn; }},
        {"Label3DEnable", [](const PanelLookState& s) { return s.m_b3DOn; }},
        {"Label3DFBM", [](const PanelLookState& s) { return s.m_bFBMOn; }},
        {"Label7ch1Enable", [](const PanelLookState& s) { return s.m_b7ch1On; }},
        {"LabelEffectNothing", [](const PanelLookState& s) { return s.m_iEffect == 1; }},
        {"LabelEffectTheater", [](const PanelLookState& s) { return s.m_iEffect == 2; }},
        {"LabelEffectBathroom", [](const PanelLookState& s) { return s.m_iEffect == 3; }},
        {"LabelEffectLivingroom", [](const PanelLookState& s) { return s.m_iEffect == 4; }},
        {"LabelEffectStoneGallery", [](const PanelLookState& s) { return s.m_iEffect == 5; }},
        {"LabelMicBoost", [](const PanelLookState& s) { return s.m_bMicBoost; }},
        {"LabelMicMute", [](const PanelLookState& s) { return s.m_bMicMute; }},
        {"LabelMicMonitor", [](const PanelLookState& s) { return s.m_bMicMonitor; }},
        {"LabelVirtualClockwise", [](const PanelLookState& s) { return s.m_bClockwise; }},
        {"LabelVirtualCounterclockwise", [](const PanelLookState& s) { return s.m_bCounterclockwise; }},
        {"LabelVirtualEnlarge", [](const PanelLookState& s) { return s.m_bEnlarge; }},
        {"LabelVirtualNarrow", [](const PanelLookState& s) { return s.m_bNarrow; }},
        // The noise-cancellation and voice-effect labels follow their buttons.
        {"ENCFunctionLabel", [](const PanelLookState& s) { return s.m_bENCOn; }},
        {"VMFunctionLabel", [](const PanelLookState& s) { return s.m_bVMOn; }},
        {"VMEffectNoneLabel", [](const PanelLookState& s) { return s.m_iVMEffect == 0; }},
        {"VMEffect1Label", [](const PanelLookState& s) { return s.m_iVMEffect == 1; }},
        {"VMEffect2Label", [](const PanelLookState& s) { return s.m_iVMEffect == 2; }},
        {"VMEffect3Label", [](const PanelLookState& s) { return s.m_iVMEffect == 3; }},
        {"VMEffect4Label", [](const PanelLookState& s) { return s.m_iVMEffect == 4; }},
    };
    return kSelected;
}

struct TrayCaption {
    const char* key;
    const char* menu;
    const char* whenEmpty;
};
constexpr TrayCaption kTrayCaptions[] = {{"LabelLanguage", "LanguageMenu", "Language"},
                                         {"LabelSkin", "SkinMenu", "Skin"},
                                         {"LabelClose", "CloseMenu", "Close"},
                                         {"LabelPlugin", "ModeMenu", "Plugin"}};

}  // namespace

double FontSizeFactor(int pixelsPerInch) {
    switch (pixelsPerInch) {
    case 96:
        return 1.0;
    case 120:
        return 0.8;
    case 144:
        return 0.6664;
    default:
        return pixelsPerInch > 0 ? 96.0 / pixelsPerInch : 1.0;
    }
}

void ApplyCaption(const CaptionSetting& caption, forms::TControl& control, CaptionState state,
                  const GlobalFont& global, int pixelsPerInch) {
    if (!caption.HasText()) {
        control.Hide();
        return;
    }
    control.Show();
    control.SetCaption(caption.m_strText);
    forms::TFont font = control.Font();
    if (state == CaptionState::normal && (caption.m_bColorUp || global.m_iColorUp != 0)) {
        font.Color = static_cast<forms::TColor>(caption.m_bColorUp ? caption.m_iColorUp : global.m_iColorUp);
    } else if (state == CaptionState::selected && (caption.m_bColorDown || global.m_iColorDown != 0)) {
        font.Color = static_cast<forms::TColor>(caption.m_bColorDown ? caption.m_iColorDown : global.m_iColorDown);
    }
    if (caption.m_bFont || !global.m_strFont.empty()) {
        font.Name = caption.m_bFont ? caption.m_strFont : global.m_strFont;
    }
    if (caption.m_bFontSize || global.m_iFontSize != -1) {
        int points = caption.m_bFontSize ? caption.m_iFontSize : global.m_iFontSize;
        // Halves go to the even neighbour, as the current rounding mode does.
        font.Size = static_cast<int>(std::nearbyint(points * FontSizeFactor(pixelsPerInch)));
    }
    control.SetFont(font);
    control.SetBounds(caption.m_bLeft ? caption.m_iLeft : control.Left(), caption.m_bTop ? caption.m_iTop : control.Top(),
                      caption.m_bWidth ? caption.m_iWidth : control.Width(),
                      caption.m_bHeight ? caption.m_iHeight : control.Height());
}

void PanelLanguage::ApplyCaptions(const PanelLookState& state) {
    std::span<const CaptionKey> keys = CaptionKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        applyTo(keys[i], m_table.Captions()[i], state);
    }
    applyDeviceCaption(state);
    if (auto* sx = m_form.Find<forms::TControl>("SXLabel")) {
        sx->SetCaption(m_table.Caption("LabelEQS" + std::to_string(state.m_iCurrentPreset)).m_strText);
    }
    if (auto* mic = m_form.Find<forms::TControl>("MicValueLabel")) {
        mic->SetCaption(std::to_string(state.m_iMicLevel));
    }
    if (auto* enc = m_form.Find<forms::TControl>("ENCValueLabel")) {
        enc->SetCaption(std::to_string(state.m_iENCLevel));
    }
    layOutTabStrip();
    applyTrayCaptions();
}

void PanelLanguage::ShowPage(int page) {
    std::span<const CaptionKey> keys = CaptionKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const CaptionSetting& caption = m_table.Captions()[i];
        auto* control = keys[i].m_strLabel.empty() || keys[i].m_strLabel == "DeviceActiveLabel"
                            ? nullptr
                            : m_form.Find<forms::TControl>(std::string(keys[i].m_strLabel));
        if (control != nullptr) {
            control->SetVisible(caption.HasText() && (caption.m_iPage == PageAlways || caption.m_iPage == page));
        }
    }
}

void PanelLanguage::applyTo(const CaptionKey& key, const CaptionSetting& caption, const PanelLookState& state) {
    if (key.m_strLabel.empty() || key.m_strLabel == "DeviceActiveLabel") {
        return;
    }
    auto* control = m_form.Find<forms::TControl>(std::string(key.m_strLabel));
    if (control == nullptr) {
        return;
    }
    ApplyCaption(caption, *control, isSelected(key.m_strKey, state) ? CaptionState::selected : CaptionState::normal,
                 m_table.Global(), forms::Screen->PixelsPerInch());
}

bool PanelLanguage::isSelected(std::string_view key, const PanelLookState& state) const {
    auto found = selectedWhen().find(key);
    return found != selectedWhen().end() && found->second(state);
}

void PanelLanguage::applyDeviceCaption(const PanelLookState& state) {
    auto* control = m_form.Find<forms::TControl>("DeviceActiveLabel");
    const char* key = state.m_bDeviceActive ? "LabelActive" : m_bUnDriverPending ? "LabelUnDriver" : "LabelUnactive";
    m_bUnDriverPending = false;
    if (control != nullptr) {
        ApplyCaption(m_table.Caption(key), *control, CaptionState::normal, m_table.Global(),
                     forms::Screen->PixelsPerInch());
    }
}

// With separators shown, the tabs follow one another from the left.
void PanelLanguage::layOutTabStrip() {
    auto* firstBevel = m_form.Find<forms::TControl>("Bevel2");
    auto* firstTab = m_form.Find<forms::TControl>("PageEQLabel");
    if (firstBevel == nullptr || !firstBevel->Visible() || firstTab == nullptr) {
        return;
    }
    auto* lastBevel = m_form.Find<forms::TControl>("Bevel7");
    const bool longStrip = lastBevel != nullptr && lastBevel->Visible();
    std::vector<std::pair<const char*, int>> strip = {{"PageEQLabel", 0},      {"Bevel2", 0}, {"PageEffectLabel", 5},
                                                      {"Bevel3", 0},           {"PageMicLabel", 5}, {"Bevel4", 0},
                                                      {"PageVirtual7p1Label", 5}, {"Bevel5", 0}};
    if (longStrip) {
        strip.insert(strip.end(), {{"PageENCLabel", 10}, {"Bevel6", 0}, {"PageVMEffectLabel", 5}, {"Bevel7", 0},
                                   {"PageLEDLabel", 5}});
    } else {
        strip.push_back({"PageLEDLabel", 5});
    }
    const int top = firstTab->Top();
    int right = firstTab->Left() + firstTab->Width();
    for (std::size_t i = 1; i < strip.size(); ++i) {
        auto* control = m_form.Find<forms::TControl>(strip[i].first);
        if (control == nullptr) {
            continue;
        }
        if (dynamic_cast<forms::TBevel*>(control) != nullptr) {
            control->SetBounds(right, top, control->Width(), control->Height());
        } else {
            control->SetLeft(right + strip[i].second);
        }
        right = control->Left() + control->Width();
    }
}

void PanelLanguage::applyTrayCaptions() {
    for (const TrayCaption& tray : kTrayCaptions) {
        if (auto* menu = m_form.Find<forms::TMenuItem>(tray.menu)) {
            const std::string& text = m_table.Caption(tray.key).m_strText;
            menu->SetCaption(text.empty() ? tray.whenEmpty : text);
        }
    }
}

void PanelLanguage::ApplyAboutCaptions(forms::TForm& about) const {
    about.SetCaption(m_table.Caption("LabelMenu3").m_strText);
    const int ppi = forms::Screen->PixelsPerInch();
    if (auto* label = about.Find<forms::TControl>("AboutLabel")) {
        ApplyCaption(m_table.Caption("LabelAbout"), *label, CaptionState::normal, m_table.Global(), ppi);
    }
    if (auto* label = about.Find<forms::TControl>("WebLabel")) {
        ApplyCaption(m_table.Caption("LabelWeb"), *label, CaptionState::normal, m_table.Global(), ppi);
    }
}
