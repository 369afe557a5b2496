#include "audio/settings/CaptionKeys.h"

#include <array>

namespace {

constexpr std::array kCaptionKeys = {
    CaptionKey{"Main", "LabelMenu1", PageAlways, "Menu1Label"},
    CaptionKey{"Main", "LabelMenu2", PageAlways, "Menu2Label"},
    CaptionKey{"Main", "LabelMenu3", PageAlways, "Menu3Label"},
    CaptionKey{"Main", "LabelPageEQ", PageAlways, "PageEQLabel"},
    CaptionKey{"Main", "LabelPage3D", PageAlways, "Page3DLabel"},
    CaptionKey{"Main", "LabelPageEffect", PageAlways, "PageEffectLabel"},
    CaptionKey{"Main", "LabelPageMic", PageAlways, "PageMicLabel"},
    CaptionKey{"Main", "LabelPageVirtual7ch1", PageAlways, "PageVirtual7p1Label"},
    CaptionKey{"Main", "LabelActive", PageAlways, "DeviceActiveLabel"},
    CaptionKey{"Main", "LabelUnDriver", PageAlways, "DeviceActiveLabel"},
    CaptionKey{"Main", "LabelUnactive", PageAlways, "DeviceActiveLabel"},
    CaptionKey{"Main", "LabelSync", PageAlways, "SyncLabel"},
    CaptionKey{"Main", "LabelSetting", PageAlways, "SettingLabel"},
    CaptionKey{"Main", "LabelSX", PageAlways, "SXLabel"},
    CaptionKey{"Main", "LabelFeatures", PageAlways, "FeaturesLabel"},
    CaptionKey{"Main", "LabelCompanyName", PageAlways, "CompanyNameLabel"},
    CaptionKey{"Main", "DeviceInLabel", PageAlways, "DeviceInLabel"},
    CaptionKey{"Main", "DeviceOutLabel", PageAlways, "DeviceOutLabel"},
    CaptionKey{"Main", "LabelPageLED", PageAlways, "PageLEDLabel"},
    CaptionKey{"Main", "LabelPageENC", PageAlways, "PageENCLabel"},
    CaptionKey{"Main", "LabelPageVMEffect", PageAlways, "PageVMEffectLabel"},
    CaptionKey{"Main", "LabelLanguage", PageAlways, ""},
    CaptionKey{"Main", "LabelSkin", PageAlways, ""},
    CaptionKey{"Main", "LabelClose", PageAlways, ""},
    CaptionKey{"Main", "LabelPlugin", PageAlways, ""},
    CaptionKey{"EQ", "LabelEQEnable", PageEQ, "EQEQENLabel"},
    CaptionKey{"EQ", "LableEQ3DEnable", PageEQ, "EQ3DENLabel"},
    CaptionKey{"EQ", "LabelEQReset", PageEQ, "EQResetLabel"},
    CaptionKey{"EQ", "LabelEQS1", PageEQ, "EQS1Label"},
    CaptionKey{"EQ", "LabelEQS2", PageEQ, "EQS2Label"},
    CaptionKey{"EQ", "LabelEQS3", PageEQ, "EQS3Label"},
    CaptionKey{"EQ", "LabelEQS4", PageEQ, "EQS4Label"},
    CaptionKey{"EQ", "LabelEQ60Hz", PageEQ, "EQ60HzLabel"},
    CaptionKey{"EQ", "LabelEQ300Hz", PageEQ, "EQ300HzLabel"},
    CaptionKey{"EQ", "LabelEQ1200Hz", PageEQ, "EQ1200HzLabel"},
    CaptionKey{"EQ", "LabelEQ3600Hz", PageEQ, "EQ3600HzLabel"},
    CaptionKey{"EQ", "LabelEQ12000Hz", PageEQ, "EQ12000HzLabel"},
    CaptionKey{"3D", "Label3DEnable", Page3D, "D33DENLabel"},
    CaptionKey{"3D", "Label3DFBM", Page3D, "D3FBMLabel"},
    CaptionKey{"3D", "Label3DReset", Page3D, "D3ResetLabel"},
    CaptionKey{"3D", "Label3DLeftChannel", Page3D, "D3LChannelLabel"},
    CaptionKey{"3D", "Label3DRightChannel", Page3D, "D3RChannelLabel"},
    CaptionKey{"3D", "Label3DConnection", Page3D, "D3ConnectLabel"},
    CaptionKey{"Effect", "LabelEffectNothing", PageEffect, "EffectNonLabel"},
    CaptionKey{"Effect", "LabelEffectTheater", PageEffect, "EffectTheaterLabel"},
    CaptionKey{"Effect", "LabelEffectBathroom", PageEffect, "EffectBathroomLabel"},
    CaptionKey{"Effect", "LabelEffectLivingroom", PageEffect, "EffectLivingroomLabel"},
    CaptionKey{"Effect", "LabelEffectStoneGallery", PageEffect, "EffectStoneGalleryLabel"},
    CaptionKey{"Mic", "LabelMicBoost", PageMic, "MicBoostLabel"},
    CaptionKey{"Mic", "LabelMicMute", PageMic, "MicMuteLabel"},
    CaptionKey{"Mic", "LabelMicMonitor", PageMic, "MicMonitorLabel"},
    CaptionKey{"Mic", "LabelMicGain", PageMic, "MicGainLabel"},
    CaptionKey{"Mic", "LabelMicValue", PageMic, "MicValueLabel"},
    CaptionKey{"Virtual7ch1", "Label7ch1Enable", PageVirtual7ch1, "VirtualENLabel"},
    CaptionKey{"Virtual7ch1", "LabelVirtualClockwise", PageVirtual7ch1, "VirtualClockwiseLabel"},
    CaptionKey{"Virtual7ch1", "LabelVirtualCounterclockwise", PageVirtual7ch1, "VirtualCounterclockwiseLabel"},
    CaptionKey{"Virtual7ch1", "LabelVirtualEnlarge", PageVirtual7ch1, "VirtualEnlargeLabel"},
    CaptionKey{"Virtual7ch1", "LabelVirtualNarrow", PageVirtual7ch1, "VirtualNarrowLabel"},
    CaptionKey{"Virtual7ch1", "Label7ch1Reset", PageVirtual7ch1, "VirtualResetLabel"},
    CaptionKey{"LED", "ColorBreatheLabel", PageLED, "ColorBreatheLabel"},
    CaptionKey{"LED", "ColorRainbowLabel", PageLED, "ColorRainbowLabel"},
    CaptionKey{"LED", "ColorPulsatingLabel", PageLED, "ColorPulsatingLabel"},
    CaptionKey{"LED", "ColorSelectLabel", PageLED, "ColorSelectLabel"},
    CaptionKey{"LED", "ColorEffectLabel", PageLED, "ColorEffectLabel"},
    CaptionKey{"LED", "ColorLEDOffLabel", PageLED, "ColorLEDOffLabel"},
    CaptionKey{"LED", "ColorSingleLabel", PageLED, "ColorSingleLabel"},
    CaptionKey{"LED", "ColorSlowLabel", PageLED, "ColorSlowLabel"},
    CaptionKey{"LED", "ColorFastLabel", PageLED, "ColorFastLabel"},
    CaptionKey{"ENC", "ENCFunctionLabel", PageENC, "ENCFunctionLabel"},
    CaptionKey{"ENC", "LabelENCValue", PageENC, "ENCValueLabel"},
    CaptionKey{"VoiceMagic", "VMEffectNoneLabel", PageVMEffect, "VMEffectNoneLabel"},
    CaptionKey{"VoiceMagic", "VMEffect1Label", PageVMEffect, "VMEffect1Label"},
    CaptionKey{"VoiceMagic", "VMEffect2Label", PageVMEffect, "VMEffect2Label"},
    CaptionKey{"VoiceMagic", "VMEffect3Label", PageVMEffect, "VMEffect3Label"},
    CaptionKey{"VoiceMagic", "VMEffect4Label", PageVMEffect, "VMEffect4Label"},
    CaptionKey{"VoiceMagic", "VMFunctionLabel", PageVMEffect, "VMFunctionLabel"},
    CaptionKey{"About", "LabelAbout", PageAlways, ""},
    CaptionKey{"About", "LabelWeb", PageAlways, ""},
    CaptionKey{"Main", "LabelWarning", PageAlways, ""},
    CaptionKey{"Main", "LabelWarning1", PageAlways, ""},
};

}  // namespace

std::span<const CaptionKey> CaptionKeys() {
    return kCaptionKeys;
}

int CaptionKeyIndex(std::string_view key) {
    for (std::size_t i = 0; i < kCaptionKeys.size(); ++i) {
        if (kCaptionKeys[i].m_strKey == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
