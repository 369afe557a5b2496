#include "audio/mainform/PanelSkin.h"

#include <vector>

#include "audio/mainform/SkinImageTargets.h"
#include "audio/settings/ConfigValues.h"
#include "audio/settings/ProfileStrings.h"
#include "audio/settings/RegionFile.h"
#include "audio/settings/ResolutionFolder.h"
#include "audio/settings/SkinKeys.h"
#include "platform/core/Path.h"
#include "platform/forms/TShape.h"

namespace {

constexpr const char* kSettingFile = "SkinSetting.ini";

const char* const kSwatchNames[kLightingSwatches] = {"Color01Shape", "Color02Shape",     "Color03Shape",
                                                     "Color04Shape", "Color05Shape",     "Color06Shape",
                                                     "Color07Shape", "ColorSingleShape", "ColorBreatheShape"};

struct Placement {
    forms::TImage* control;
    const ImageSetting* record;
};

}  // namespace

void ApplyImage(const ImageSetting& record, forms::TImage& control, const std::string& skinFolder) {
    if (!record.HasPicture()) {
        control.Hide();
        return;
    }
    control.Show();
    control.LoadPicture(core::joinPath(skinFolder, record.m_strFileName));
    control.SetAutoSize(false);
    int width = record.m_bWidth ? record.m_iWidth : control.Width();
    int height = record.m_bHeight ? record.m_iHeight : control.Height();
    if (!record.m_bWidth && !record.m_bHeight) {
        width = control.PictureSize().width;
        height = control.PictureSize().height;
    }
    control.SetBounds(record.m_bLeft ? record.m_iLeft : control.Left(),
                      record.m_bTop ? record.m_iTop : control.Top(), width, height);
}

void PanelSkin::LoadSkin(const SkinPlace& place, const std::string& skin, int oldVersion) {
    m_strSkinFolder = SkinFolderPath(place.m_strProgramFolder, place.m_strSkinFolderName,
                                     place.m_strResolutionFolder, skin);
    m_strLightingPath = core::joinPath(
        SkinFolderPath(place.m_strProgramFolder, place.m_strSkinFolderName, "", skin), kSettingFile);
    m_settings.Load(core::joinPath(m_strSkinFolder, kSettingFile), m_strLightingPath, oldVersion);
    if (m_settings.m_bLEDColoursReset) {
        paintDefaultColours();
    }
}

SkinApplyResult PanelSkin::ApplySkinImages(const PanelLookState& state, const std::string& configPath) {
    std::vector<Placement> placements;
    for (const SkinImageTarget& target : SkinImageTargets()) {
        auto* control = m_form.Find<forms::TImage>(std::string(target.m_strControl));
        if (control == nullptr) {
            continue;
        }
        const ImageSetting& record = m_settings.Image(target.m_strSection, SkinImageKey(target, state));
        if (record.HasPicture() && !core::fileExists(picturePath(record))) {
            m_strFailedFile = picturePath(record);
            return SkinApplyResult::missingFile;
        }
        placements.push_back({control, &record});
    }
    for (const Placement& placement : placements) {
        ApplyImage(*placement.record, *placement.control, m_strSkinFolder);
    }
    placeSwatches();
    showSeparators();
    std::string regionCut;
    ReadIniString(configPath, "Skin", "RegionCut", regionCut);
    if (LenientInteger(regionCut) != 0) {
        return ApplyWindowRegion(core::joinPath(m_strSkinFolder, "MainForm_Frame.rgn"));
    }
    if (auto* background = m_form.Find<forms::TImage>("MainFormImage")) {
        m_form.SetClientSize(background->PictureSize().width, background->PictureSize().height);
    }
    return SkinApplyResult::ok;
}

SkinApplyResult PanelSkin::ApplyWindowRegion(const std::string& path) {
    std::optional<RegionFileData> region = ReadRegionFile(path);
    if (!region) {
        m_strFailedFile = path;
        return SkinApplyResult::badRegion;
    }
    m_form.SetBounds(m_form.Left(), m_form.Top(), region->m_bounds.right, region->m_bounds.bottom);
    ui::Region outline;
    for (const ui::Rect& rect : region->m_rects) {
        outline.unite(rect);
    }
    m_form.SetWindowRgn(outline);
    if (auto* background = m_form.Find<forms::TImage>("MainFormImage")) {
        m_form.SetClientSize(background->PictureSize().width, background->PictureSize().height);
    }
    return SkinApplyResult::ok;
}

void PanelSkin::ShowPage(int page, const PanelLookState& state) {
    for (const SkinImageTarget& target : SkinImageTargets()) {
        if (auto* control = m_form.Find<forms::TImage>(std::string(target.m_strControl))) {
            const ImageSetting& record = m_settings.Image(target.m_strSection, SkinImageKey(target, state));
            control->SetVisible(record.HasPicture() &&
                                (record.m_iPage == PageAlways || record.m_iPage == page));
        }
    }
}

// The tab strip's separators: the first three by BevelLine, the last three by
// BevelLine2, of which BevelLine3 may keep the last two hidden.
void PanelSkin::showSeparators() {
    auto show = [&](const char* name, bool visible) {
        if (auto* bevel = m_form.Find<forms::TControl>(name)) {
            bevel->SetVisible(visible);
        }
    };
    for (const char* name : {"Bevel2", "Bevel3", "Bevel4"}) {
        show(name, m_settings.m_iBevelLine != 0);
    }
    const bool later = m_settings.m_iBevelLine2 != 0;
    const bool lastTwo = later && (m_settings.m_iBevelLine2 != 1 || m_settings.m_iBevelLine3 != 0);
    show("Bevel5", later);
    show("Bevel6", lastTwo);
    show("Bevel7", lastTwo);
}

void PanelSkin::ApplyAboutLogo(forms::TForm& about) const {
    if (auto* logo = about.Find<forms::TImage>("LOGOQ9Image")) {
        ApplyImage(m_settings.Image("About", "LogoImage"), *logo, m_strSkinFolder);
    }
}

// Read again as when loading, each only when a value is given.
void PanelSkin::placeSwatches() {
    auto swatches = ReadSwatchShapes(core::joinPath(m_strSkinFolder, kSettingFile), m_strLightingPath);
    for (std::size_t i = 0; i < kLightingSwatches; ++i) {
        auto* shape = m_form.Find<forms::TShape>(kSwatchNames[i]);
        if (shape == nullptr || !swatches[i]) {
            continue;
        }
        const SwatchShape& swatch = *swatches[i];
        shape->SetBounds(swatch.m_iLeft, swatch.m_iTop, swatch.m_iWidth, swatch.m_iHeight);
        if (swatch.m_iOutline >= 0 && swatch.m_iOutline <= static_cast<int>(forms::TShapeType::stCircle)) {
            shape->SetShape(static_cast<forms::TShapeType>(swatch.m_iOutline));
        }
    }
}

void PanelSkin::paintDefaultColours() {
    if (auto* single = m_form.Find<forms::TShape>("ColorSingleShape")) {
        single->SetBrushColor(static_cast<forms::TColor>(kSkinLEDSingleColour));
    }
    if (auto* breathe = m_form.Find<forms::TShape>("ColorBreatheShape")) {
        breathe->SetBrushColor(static_cast<forms::TColor>(kSkinLEDBreatheColour));
    }
}

std::string PanelSkin::picturePath(const ImageSetting& record) const {
    return core::joinPath(m_strSkinFolder, record.m_strFileName);
}
