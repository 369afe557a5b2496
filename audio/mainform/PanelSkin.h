#pragma once

#include <string>

#include "audio/mainform/PanelLookState.h"
#include "audio/settings/SkinSettings.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TImage.h"

// Where the skins lie, as the configuration names them.
struct SkinPlace {
    std::string m_strProgramFolder;
    std::string m_strSkinFolderName;
    std::string m_strResolutionFolder;  // fixed for the run once chosen
};

// Results of applying pictures or an outline.
enum class SkinApplyResult { ok, missingFile, badRegion };

// The window's pictures from the chosen skin: every image control, the
// lighting swatches and the window's outline or size.
class PanelSkin {
public:
    explicit PanelSkin(forms::TForm& form) : m_form(form) {}

    // Clears the records and reads the skin's SkinSetting.ini, the lighting
    // keys from its folder without the resolution folder.
    void LoadSkin(const SkinPlace& place, const std::string& skin, int oldVersion);

    // Gives every picture control the picture of its state, places the
    // swatches, then shapes the window by the region file (RegionCut non-zero
    // in `configPath`) or sizes it to the background. Every picture file is
    // checked first: with one missing nothing changes and `m_strFailedFile` names it.
    SkinApplyResult ApplySkinImages(const PanelLookState& state, const std::string& configPath);

    // Shows exactly the picture controls whose record names a picture for
    // page 0 or `page`, each with the record of its state.
    void ShowPage(int page, const PanelLookState& state);

    // Reads a region file and makes it the window's outline, sized to its
    // bounds, then the client area to the background's picture. A file that
    // cannot be read or holds no sound outline changes nothing.
    SkinApplyResult ApplyWindowRegion(const std::string& path);

    // The about form's LOGOQ9Image.
    void ApplyAboutLogo(forms::TForm& about) const;

    const SkinSettings& Settings() const { return m_settings; }
    const std::string& SkinFolder() const { return m_strSkinFolder; }
    const std::string& FailedFile() const { return m_strFailedFile; }

private:
    void applyImage(const ImageSetting& record, forms::TImage& control) const;
    void placeSwatches();
    void showSeparators();
    void paintDefaultColours();
    std::string picturePath(const ImageSetting& record) const;

    forms::TForm& m_form;
    SkinSettings m_settings;
    std::string m_strSkinFolder;
    std::string m_strLightingPath;
    std::string m_strFailedFile;
};

// Loads one picture into its control and places it: shown with its file,
// hidden without one; left and top when given; the size given, or the
// picture's when neither width nor height is.
void ApplyImage(const ImageSetting& record, forms::TImage& control, const std::string& skinFolder);
