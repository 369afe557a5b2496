#include "audio/mainform/SkinImageTargets.h"

#include <string>
#include <vector>

namespace {

SkinImageTarget one(std::string_view name, std::string_view section) {
    return {name, section, name, name, nullptr};
}

// Buttons that are only down while pressed (close, menus, resets) show their
// Up record whenever the look is applied; their handlers show Down themselves.
const std::vector<SkinImageTarget>& targets() {
    static const std::vector<SkinImageTarget> kTargets = {
        one("MainFormImage", "Main"),
        one("LogoImage", "Main"),
        one("DeviceActiveImage", "Main"),
        {"CloseImage", "Main", "CloseImageUp", "CloseImageDown", nullptr},
        {"MinimizeImage", "Main", "MinimizeImageUp", "MinimizeImageDown", nullptr},
        {"Menu1Image", "Main", "Menu1ImageUp", "Menu1ImageDown", nullptr},
        {"Menu2Image", "Main", "Menu2ImageUp", "Menu2ImageDown", nullptr},
        {"Menu3Image", "Main", "Menu3ImageUp", "Menu3ImageDown", nullptr},
        {"LEDImage", "Main", "LedImageUp", "LedImageDown", [](const PanelLookState& s) { return s.m_bLEDOn; }},
        {"DeviceInImage", "Main", "DeviceActiveUpImage", "DeviceActiveDownImage", [](const PanelLookState& s) { return s.m_bDeviceActive; }},
        {"DeviceOutImage", "Main", "DeviceUnActiveUpImage", "DeviceUnActiveDownImage", [](const PanelLookState& s) { return !s.m_bDeviceActive; }},
        {"PageEQImage", "Main", "PageEQUpImage", "PageEQDownImage", [](const PanelLookState& s) { return s.m_iCurrentPage == PageEQ; }},
        {"PageEffectImage", "Main", "PageEffectUpImage", "PageEffectDownImage", [](const PanelLookState& s) { return s.m_iCurrentPage == PageEffect; }},
        {"PageMicImage", "Main", "PageMicUpImage", "PageMicDownImage", [](const PanelLookState& s) { return s.m_iCurrentPage == PageMic; }},
        {"PageVirtual7p1Image", "Main", "PageVirtual7p1UpImage", "PageVirtual7p1DownImage", [](const PanelLookState& s) { return s.m_iCurrentPage == PageVirtual7ch1; }},
        {"PageLEDImage", "Main", "PageLEDUpImage", "PageLEDDownImage", [](const PanelLookState& s) { return s.m_iCurrentPage == PageLED; }},
        {"PageENCImage", "Main", "PageENCUpImage", "PageENCDownImage", [](const PanelLookState& s) { return s.m_iCurrentPage == PageENC; }},
        {"PageVMEffectImage", "Main", "PageVMEffectUpImage", "PageVMEffectDownImage", [](const PanelLookState& s) { return s.m_iCurrentPage == PageVMEffect; }},
        one("Back_EQImage", "EQ"),
        one("EQButtonLineImage1", "EQ"),
        one("EQButtonLineImage2", "EQ"),
        one("EQButtonLineImage3", "EQ"),
        one("EQButtonLineImage4", "EQ"),
        one("EQButtonLineImage5", "EQ"),
        one("EQGraduationImage", "EQ"),
        one("EQ60HzBarImage", "EQ"),
        one("EQ300HzBarImage", "EQ"),
        one("EQ1200HzBarImage", "EQ"),
        one("EQ3600HzBarImage", "EQ"),
        one("EQ12000HzBarImage", "EQ"),
        one("EQ60HzSliderImage", "EQ"),
        one("EQ300HzSliderImage", "EQ"),
        one("EQ1200HzSliderImage", "EQ"),
        one("EQ3600HzSliderImage", "EQ"),
        one("EQ12000HzSliderImage", "EQ"),
        one("EQ60HzBarDownImage", "EQ"),
        one("EQ300HzBarDownImage", "EQ"),
        one("EQ1200HzBarDownImage", "EQ"),
        one("EQ3600HzBarDownImage", "EQ"),
        one("EQ12000HzBarDownImage", "EQ"),
        {"EQEQENImage", "EQ", "EQEQENImageUp", "EQEQENImageDown", [](const PanelLookState& s) { return s.m_bEQOn; }},
        {"EQ3DENImage", "EQ", "EQ3DENImageUp", "EQ3DENImageDown", [](const PanelLookState& s) { return s.m_b3DOn; }},
        {"EQResetImage", "EQ", "EQResetImageUp", "EQResetImageDown", nullptr},
        {"EQS1Image", "EQ", "EQS1ImageUp", "EQS1ImageDown", [](const PanelLookState& s) { return s.m_iCurrentPreset == 1; }},
        {"EQS2Image", "EQ", "EQS2ImageUp", "EQS2ImageDown", [](const PanelLookState& s) { return s.m_iCurrentPreset == 2; }},
        {"EQS3Image", "EQ", "EQS3ImageUp", "EQS3ImageDown", [](const PanelLookState& s) { return s.m_iCurrentPreset == 3; }},
        {"EQS4Image", "EQ", "EQS4ImageUp", "EQS4ImageDown", [](const PanelLookState& s) { return s.m_iCurrentPreset == 4; }},
        one("Back_3DImage", "3D"),
        one("D3LChannelImage", "3D"),
        one("D3RChannelImage", "3D"),
        one("D3ConnectionImage", "3D"),
        one("D3ButtonLineImage1", "3D"),
        one("D3ButtonLineImage2", "3D"),
        one("D3LAlphaGraduationImage", "3D"),
        one("D3LBetaGraduationImage", "3D"),
        one("D3RAlphaGraduationImage", "3D"),
        one("D3RBetaGraduationImage", "3D"),
        one("D3LAlphaBarImage", "3D"),
        one("D3LBetaBarImage", "3D"),
        one("D3RAlphaBarImage", "3D"),
        one("D3RBetaBarImage", "3D"),
        one("D3LAlphaSliderImage", "3D"),
        one("D3LBetaSliderImage", "3D"),
        one("D3RAlphaSliderImage", "3D"),
        one("D3RBetaSliderImage", "3D"),
        {"D33DENImage", "3D", "D33DENImageUp", "D33DENImageDown", [](const PanelLookState& s) { return s.m_b3DOn; }},
        {"D3FBMImage", "3D", "D3FBMImageUp", "D3FBMImageDown", [](const PanelLookState& s) { return s.m_bFBMOn; }},
        {"D3ResetImage", "3D", "D3ResetImageUp", "D3ResetImageDown", nullptr},
        {"D3AlphaImage", "3D", "D3AlphaIndepImage", "D3AlphaIndepImage", nullptr},
        {"D3BetaImage", "3D", "D3BetaIndepImage", "D3BetaIndepImage", nullptr},
        one("Back_EffectImage", "Effect"),
        one("EffectButtonLineImage1", "Effect"),
        one("EffectButtonLineImage2", "Effect"),
        one("EffectButtonLineImage3", "Effect"),
        one("EffectButtonLineImage4", "Effect"),
        {"EffectButtonNonImage", "Effect", "EffectButtonNonImageUp", "EffectButtonNonImageDown", [](const PanelLookState& s) { return s.m_iEffect == 1; }},
        {"EffectButtonTheaterImage", "Effect", "EffectButtonTheaterImageUp", "EffectButtonTheaterImageDown", [](const PanelLookState& s) { return s.m_iEffect == 2; }},
        {"EffectButtonBathroomImage", "Effect", "EffectButtonBathroomImageUp", "EffectButtonBathroomImageDown", [](const PanelLookState& s) { return s.m_iEffect == 3; }},
        {"EffectButtonLivingroomImage", "Effect", "EffectButtonLivingroomImageUp", "EffectButtonLivingroomImageDown", [](const PanelLookState& s) { return s.m_iEffect == 4; }},
        {"EffectButtonStoneGalleryImage", "Effect", "EffectButtonStoneGalleryImageUp", "EffectButtonStoneGalleryImageDown", [](const PanelLookState& s) { return s.m_iEffect == 5; }},
        {"EffectNonImage", "Effect", "EffectNonUpImage", "EffectNonDownImage", [](const PanelLookState& s) { return s.m_iEffect == 1; }},
        {"EffectTheaterImage", "Effect", "EffectTheaterUpImage", "EffectTheaterDownImage", [](const PanelLookState& s) { return s.m_iEffect == 2; }},
        {"EffectBathroomImage", "Effect", "EffectBathroomUpImage", "EffectBathroomDownImage", [](const PanelLookState& s) { return s.m_iEffect == 3; }},
        {"EffectLivingroomImage", "Effect", "EffectLivingroomUpImage", "EffectLivingroomDownImage", [](const PanelLookState& s) { return s.m_iEffect == 4; }},
        {"EffectStoneGalleryImage", "Effect", "EffectStoneGalleryUpImage", "EffectStoneGalleryDownImage", [](const PanelLookState& s) { return s.m_iEffect == 5; }},
        {"EffectPicImage", "Effect", "EffectPicNonImage", "EffectPicNonImage", nullptr},
        one("Back_MicImage", "Mic"),
        one("MicButtonLineImage", "Mic"),
        one("MicPicImage", "Mic"),
        one("MicProgressImage", "Mic"),
        one("MicGainImage", "Mic"),
        one("MicGraduationImage", "Mic"),
        one("MicBarImage", "Mic"),
        one("MicSliderImage", "Mic"),
        one("MicValueImage", "Mic"),
        one("MicBarDownImage", "Mic"),
        {"MicBoostImage", "Mic", "MicBoostImageUp", "MicBoostImageDown", [](const PanelLookState& s) { return s.m_bMicBoost; }},
        {"MicMuteImage", "Mic", "MicMuteImageUp", "MicMuteImageDown", [](const PanelLookState& s) { return s.m_bMicMute; }},
        {"MicMonitorImage", "Mic", "MicMonitorImageUp", "MicMonitorImageDown", [](const PanelLookState& s) { return s.m_bMicMonitor; }},
        one("Back_Virtual7p1Image", "Virtual7ch1"),
        one("VirtualPicImage", "Virtual7ch1"),
        one("VirtualCImage", "Virtual7ch1"),
        one("VirtualLImage", "Virtual7ch1"),
        one("VirtualLSImage", "Virtual7ch1"),
        one("VirtualLBImage", "Virtual7ch1"),
        one("VirtualRBImage", "Virtual7ch1"),
        one("VirtualRSImage", "Virtual7ch1"),
        one("VirtualRImage", "Virtual7ch1"),
        one("VirtualSUBImage", "Virtual7ch1"),
        one("VirtualButtonLineImage1", "Virtual7ch1"),
        one("VirtualButtonLineImage2", "Virtual7ch1"),
        one("VirtualButtonLineImage3", "Virtual7ch1"),
        {"VirtualEnableImage", "Virtual7ch1", "VirtualEnableImageUp", "VirtualEnableImageDown", [](const PanelLookState& s) { return s.m_b7ch1On; }},
        {"VirtualDisableImage", "Virtual7ch1", "VirtualDisableImageUp", "VirtualDisableImageDown", [](const PanelLookState& s) { return !s.m_b7ch1On; }},
        {"VirtualClockwiseImage", "Virtual7ch1", "VirtualClockwiseUpImage", "VirtualClockwiseDownImage", [](const PanelLookState& s) { return s.m_bClockwise; }},
        {"VirtualCounterclockwiseImage", "Virtual7ch1", "VirtualCounterclockwiseUpImage", "VirtualCounterclockwiseDownImage", [](const PanelLookState& s) { return s.m_bCounterclockwise; }},
        {"VirtualEnlargeImage", "Virtual7ch1", "VirtualEnlargeUpImage", "VirtualEnlargeDownImage", [](const PanelLookState& s) { return s.m_bEnlarge; }},
        {"VirtualNarrowImage", "Virtual7ch1", "VirtualNarrowUpImage", "VirtualNarrowDownImage", [](const PanelLookState& s) { return s.m_bNarrow; }},
        {"VirtualResetImage", "Virtual7ch1", "VirtualResetUpImage", "VirtualResetDownImage", nullptr},
        one("ColorBreatheBarImage", "LED"),
        one("ColorRainbowBarImage", "LED"),
        one("ColorPulsatingBarImage", "LED"),
        {"ColorBreatheSliderImage", "LED", "ColorBreatheSliderUpImage", "ColorBreatheSliderDownImage", [](const PanelLookState& s) { return s.m_iLEDEffectMode == 1; }},
        {"ColorBreatheCheckImage", "LED", "ColorBreatheCheckUpImage", "ColorBreatheCheckDownImage", [](const PanelLookState& s) { return s.m_iLEDEffectMode == 1; }},
        {"ColorRainbowSliderImage", "LED", "ColorRainbowSliderUpImage", "ColorRainbowSliderDownImage", [](const PanelLookState& s) { return s.m_iLEDEffectMode == 2; }},
        {"ColorRainbowCheckImage", "LED", "ColorRainbowCheckUpImage", "ColorRainbowCheckDownImage", [](const PanelLookState& s) { return s.m_iLEDEffectMode == 2; }},
        {"ColorPulsatingSliderImage", "LED", "ColorPulsatingSliderUpImage", "ColorPulsatingSliderDownImage", [](const PanelLookState& s) { return s.m_iLEDEffectMode == 3; }},
        {"ColorPulsatingCheckImage", "LED", "ColorPulsatingCheckUpImage", "ColorPulsatingCheckDownImage", [](const PanelLookState& s) { return s.m_iLEDEffectMode == 3; }},
        {"ColorLEDOffCheckImage", "LED", "ColorLEDOffCheckUpImage", "ColorLEDOffCheckDownImage", [](const PanelLookState& s) { return s.m_iLEDOff != 0; }},
        {"ColorSingleCheckImage", "LED", "ColorSingleCheckUpImage", "ColorSingleCheckDownImage", [](const PanelLookState& s) { return s.m_iLEDSingleColor != 0; }},
        one("ENCBarImage", "ENC"),
        one("ENCSliderImage", "ENC"),
        one("ENCValueImage", "ENC"),
        {"ENCFunctionImage", "ENC", "ENCFunctionUpImage", "ENCFunctionDownImage", [](const PanelLookState& s) { return s.m_bENCOn; }},
        {"VMEffectNoneImage", "VoiceMagic", "VMEffectNoneUpImage", "VMEffectNoneDownImage", [](const PanelLookState& s) { return s.m_iVMEffect == 0; }},
        {"VMEffect1Image", "VoiceMagic", "VMEffect1UpImage", "VMEffect1DownImage", [](const PanelLookState& s) { return s.m_iVMEffect == 1; }},
        {"VMEffect2Image", "VoiceMagic", "VMEffect2UpImage", "VMEffect2DownImage", [](const PanelLookState& s) { return s.m_iVMEffect == 2; }},
        {"VMEffect3Image", "VoiceMagic", "VMEffect3UpImage", "VMEffect3DownImage", [](const PanelLookState& s) { return s.m_iVMEffect == 3; }},
        {"VMEffect4Image", "VoiceMagic", "VMEffect4UpImage", "VMEffect4DownImage", [](const PanelLookState& s) { return s.m_iVMEffect == 4; }},
        {"VMFunctionImage", "VoiceMagic", "VMFunctionUpImage", "VMFunctionDownImage", [](const PanelLookState& s) { return s.m_bVMOn; }},
        {"MainLeftImage", "Main", "MainLeftImage1", "MainLeftImage1", nullptr},
    };
    return kTargets;
}

std::string_view linkModeKey(int mode, std::string_view independent, std::string_view follow, std::string_view mirror) {
    return mode == 1 ? follow : mode == 2 ? mirror : independent;
}

}  // namespace

std::span<const SkinImageTarget> SkinImageTargets() {
    return targets();
}

std::string_view SkinImageKey(const SkinImageTarget& target, const PanelLookState& state) {
    if (target.m_strControl == "D3AlphaImage") {
        return linkModeKey(state.m_i3DAlphaMode, "D3AlphaIndepImage", "D3AlphaDepImage", "D3AlphaInvImage");
    }
    if (target.m_strControl == "D3BetaImage") {
        return linkModeKey(state.m_i3DBetaMode, "D3BetaIndepImage", "D3BetaDepImage", "D3BetaInvImage");
    }
    if (target.m_strControl == "EffectPicImage") {
        static const std::string_view kPictures[] = {"EffectPicNonImage", "EffectPicTheaterImage",
                                                     "EffectPicBathroomImage", "EffectPicLivingroomImage",
                                                     "EffectPicStoneGalleryImage"};
        return kPictures[state.m_iEffect >= 1 && state.m_iEffect <= 5 ? state.m_iEffect - 1 : 0];
    }
    if (target.m_strControl == "MainLeftImage") {
        // Pages past the four sound pages keep the first picture.
        static const std::string_view kPictures[] = {"MainLeftImage1", "MainLeftImage2", "MainLeftImage3",
                                                     "MainLeftImage4"};
        int page = state.m_iCurrentPage;
        return kPictures[page >= PageEQ && page <= PageVirtual7ch1 ? page - 1 : 0];
    }
    return target.m_isDown && target.m_isDown(state) ? target.m_strDownKey : target.m_strUpKey;
}
