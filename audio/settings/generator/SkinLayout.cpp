#include "SkinLayout.h"

#include <cmath>

namespace layout {

namespace {

// A rectangle of the page area, given relative to its top-left corner.
QRect P(int x, int y, int w, int h) {
    return {kPageArea.x() + x, kPageArea.y() + y, w, h};
}

class Builder {
public:
    explicit Builder(std::string section, int page) : section_(std::move(section)), page_(page) {}

    Builder& one(const std::string& key, QRect rect, Art art, QString glyph = {}, bool down = false) {
        out_.push_back({section_, key, rect, page_, art, down, std::move(glyph), -1});
        return *this;
    }
    // "<name>Up"/"<name>Down" (suffix after) or "<stem>UpImage"/"<stem>DownImage" (infix).
    Builder& pair(const std::string& up, const std::string& down, QRect rect, Art art, QString glyph = {}) {
        one(up, rect, art, glyph, false);
        return one(down, rect, art, glyph, true);
    }
    Builder& upDown(const std::string& name, QRect rect, Art art = Art::Plate, QString glyph = {}) {
        return pair(name + "Up", name + "Down", rect, art, glyph);
    }
    Builder& upDownImage(const std::string& stem, QRect rect, Art art = Art::Plate, QString glyph = {}) {
        return pair(stem + "UpImage", stem + "DownImage", rect, art, glyph);
    }
    // A page-0 key shown only on this builder's page.
    Builder& onPage(const std::string& key, QRect rect, Art art, int shownOn, QString glyph = {}) {
        out_.push_back({section_, key, rect, shownOn, art, true, std::move(glyph), shownOn});
        return *this;
    }
    std::vector<Picture> take() { return std::move(out_); }

private:
    std::string section_;
    int page_;
    std::vector<Picture> out_;
};

constexpr int kEqBands = 5;
const char* const kBands[kEqBands] = {"60Hz", "300Hz", "1200Hz", "3600Hz", "12000Hz"};
int eqColumn(int band) {
    return 100 + band * 80;  // page-relative centre of a band
}
constexpr int kEqTrackTop = 124, kEqTravel = 180, kEqKnobH = 16, kEqKnobW = 36;

constexpr int kMicTrackTop = 216, kMicTravel = 148, kMicColumn = 80;
constexpr int kEncTrackTop = 84, kEncTravel = 240, kEncColumn = 236;

const QPoint kVirtualCentre{610, 234};
constexpr int kVirtualRadius = 110;
constexpr int kSpeaker = 32;

// 3D knobs travel over fixed window rows 105..225, whatever the skin.
constexpr int k3DTop = 105, k3DTravel = 120, k3DKnobH = 14;
const int k3DColumns[4] = {212, 262, 372, 422};  // L alpha, L beta, R alpha, R beta

constexpr int kLedBarLeft = 200, kLedBarWidth = 200, kLedKnobW = 14;

void mainPictures(std::vector<Picture>& all) {
    Builder b("Main", 0);
    b.one("MainFormImage", {0, 0, kWindowWidth, kWindowHeight}, Art::MainBackground)
        .upDown("CloseImage", {758, 14, 28, 24}, Art::IconButton, "close")
        .upDown("MinimizeImage", {724, 14, 28, 24}, Art::IconButton, "minimize")
        .one("DeviceActiveImage", {24, 312, 264, 40}, Art::ValuePlate)
        .upDown("Menu1Image", {24, 440, 84, 32})
        .upDown("Menu2Image", {114, 440, 84, 32})
        .upDown("Menu3Image", {204, 440, 84, 32})
        .one("LogoImage", {16, 10, 164, 32}, Art::Logo)
        .upDown("LedImage", {24, 396, 264, 32}, Art::IconButton, "led");
    for (int i = 1; i <= 4; ++i) {
        static const char* const kThemes[] = {"", "eq", "room", "mic", "surround"};
        b.one("MainLeftImage" + std::to_string(i), {24, 72, 264, 200}, Art::Illustration, kThemes[i]);
    }
    b.one("DeviceActiveUpImage", {36, 366, 16, 16}, Art::StatusLight, "green")
        .one("DeviceActiveDownImage", {36, 366, 16, 16}, Art::StatusLight, "green", true)
        .one("DeviceUnActiveUpImage", {160, 366, 16, 16}, Art::StatusLight, "red")
        .one("DeviceUnActiveDownImage", {160, 366, 16, 16}, Art::StatusLight, "red", true);
    // Tabs in the order the strip shows them.
    static const char* const kTabs[] = {"EQ", "Effect", "Mic", "Virtual7p1", "ENC", "VMEffect", "LED"};
    auto tab = [](int i) { return QRect(315 + i * 67, 64, 63, 32); };
    for (int i = 0; i < 4; ++i) {
        b.one(std::string("Page") + kTabs[i] + "UpImage", tab(i), Art::Tab);
    }
    for (int i = 0; i < 4; ++i) {
        b.one(std::string("Page") + kTabs[i] + "DownImage", tab(i), Art::Tab, {}, true);
    }
    b.upDownImage("PageLED", tab(6), Art::Tab).upDownImage("PageENC", tab(4), Art::Tab).upDownImage("PageVMEffect", tab(5), Art::Tab);
    for (Picture& picture : b.take()) {
        all.push_back(std::move(picture));
    }
}

void eqPictures(std::vector<Picture>& all) {
    Builder b("EQ", 1);
    b.one("Back_EQImage", kPageArea, Art::PageBackground, "eq")
        .upDown("EQEQENImage", P(16, 52, 96, 28))
        .upDown("EQ3DENImage", P(120, 52, 96, 28))
        .upDown("EQResetImage", P(376, 52, 80, 28));
    for (int i = 0; i < 4; ++i) {
        b.upDown("EQS" + std::to_string(i + 1) + "Image", P(16 + i * 88, 14, 80, 28));
    }
    for (int i = 0; i < 3; ++i) {
        b.one("EQButtonLineImage" + std::to_string(i + 1), P(99 + i * 88, 18, 2, 20), Art::Divider);
    }
    b.one("EQButtonLineImage4", P(115, 56, 2, 20), Art::Divider)
        .one("EQButtonLineImage5", P(16, 92, 440, 2), Art::Divider)
        .one("EQGraduationImage", P(16, kEqTrackTop - 8, 48, kEqTravel + 16), Art::Graduation);
    for (int i = 0; i < kEqBands; ++i) {
        b.one(std::string("EQ") + kBands[i] + "BarImage", P(eqColumn(i) - 3, kEqTrackTop, 6, kEqTravel), Art::TrackV);
    }
    for (int i = 0; i < kEqBands; ++i) {
        b.one(std::string("EQ") + kBands[i] + "SliderImage",
              P(eqColumn(i) - kEqKnobW / 2, kEqTrackTop - kEqKnobH / 2 + kEqTravel / 2, kEqKnobW, kEqKnobH), Art::KnobV);
    }
    for (int i = 0; i < kEqBands; ++i) {
        b.onPage(std::string("EQ") + kBands[i] + "BarDownImage",
                 P(eqColumn(i) - 3, kEqTrackTop + kEqTravel / 2, 6, kEqTravel / 2), Art::TrackVLower, 1, "dim");
    }
    for (Picture& picture : b.take()) {
        all.push_back(std::move(picture));
    }
}

void threeDPictures(std::vector<Picture>& all) {
    Builder b("3D", 5);
    b.one("Back_3DImage", kPageArea, Art::PageBackground, "3d")
        .upDown("D33DENImage", P(16, 16, 140, 32))
        .upDown("D3FBMImage", P(16, 60, 140, 32))
        .upDown("D3ResetImage", P(16, 104, 140, 32))
        .one("D3LChannelImage", P(180, 150, 112, 26), Art::ValuePlate)
        .one("D3RChannelImage", P(344, 150, 112, 26), Art::ValuePlate)
        .one("D3ConnectionImage", P(298, 150, 40, 26), Art::LinkMode, "chain");
    static const char* const kModes[] = {"Indep", "Dep", "Inv"};
    static const char* const kModeGlyphs[] = {"independent", "follow", "mirror"};
    for (int m = 0; m < 3; ++m) {
        b.one(std::string("D3Alpha") + kModes[m] + "Image", P(180, 196, 130, 32), Art::LinkMode,
              QString("α ") + kModeGlyphs[m]);
    }
    for (int m = 0; m < 3; ++m) {
        b.one(std::string("D3Beta") + kModes[m] + "Image", P(326, 196, 130, 32), Art::LinkMode,
              QString("β ") + kModeGlyphs[m]);
    }
    b.one("D3ButtonLineImage1", P(16, 53, 140, 2), Art::Divider).one("D3ButtonLineImage2", P(16, 97, 140, 2), Art::Divider);
    const int trackTop = k3DTop + k3DKnobH / 2 - kPageArea.y();
    static const char* const kSliders[] = {"LAlpha", "LBeta", "RAlpha", "RBeta"};
    for (int i = 0; i < 4; ++i) {
        b.one(std::string("D3") + kSliders[i] + "GraduationImage", P(k3DColumns[i] - 22, trackTop, 12, k3DTravel),
              Art::Graduation, "small");
    }
    for (int i = 0; i < 4; ++i) {
        b.one(std::string("D3") + kSliders[i] + "BarImage", P(k3DColumns[i] - 3, trackTop, 6, k3DTravel), Art::TrackV);
    }
    // Alpha starts at 10 and beta at 3 of 15.
    for (int i = 0; i < 4; ++i) {
        int value = i % 2 == 0 ? 10 : 3;
        int top = k3DTop + (15 - value) * k3DTravel / 15 - kPageArea.y();
        b.one(std::string("D3") + kSliders[i] + "SliderImage", P(k3DColumns[i] - 14, top, 28, k3DKnobH), Art::KnobV);
    }
    for (Picture& picture : b.take()) {
        all.push_back(std::move(picture));
    }
}

void effectPictures(std::vector<Picture>& all) {
    static const char* const kEffects[] = {"Non", "Theater", "Bathroom", "Livingroom", "StoneGallery"};
    static const char* const kGlyphs[] = {"none", "theater", "bathroom", "livingroom", "stonegallery"};
    Builder b("Effect", 2);
    b.one("Back_EffectImage", kPageArea, Art::PageBackground, "effect");
    for (int i = 0; i < 5; ++i) {
        b.upDown(std::string("EffectButton") + kEffects[i] + "Image", P(16, 16 + i * 56, 150, 44));
    }
    for (int i = 0; i < 4; ++i) {
        b.one("EffectButtonLineImage" + std::to_string(i + 1), P(24, 65 + i * 56, 134, 2), Art::Divider);
    }
    for (int i = 0; i < 5; ++i) {
        b.one(std::string("EffectPic") + kEffects[i] + "Image", P(184, 16, 272, 224), Art::Illustration, kGlyphs[i]);
    }
    // The small room icons, in the order the keys come.
    static const int kIconOrder[] = {0, 1, 4, 3, 2};
    for (int n : kIconOrder) {
        b.upDownImage(std::string("Effect") + kEffects[n], P(184 + n * 56, 256, 48, 48), Art::IconButton, kGlyphs[n]);
    }
    for (Picture& picture : b.take()) {
        all.push_back(std::move(picture));
    }
}

void micPictures(std::vector<Picture>& all) {
    Builder b("Mic", 3);
    b.one("Back_MicImage", kPageArea, Art::PageBackground, "mic")
        .upDown("MicBoostImage", P(16, 16, 150, 36))
        .upDown("MicMuteImage", P(16, 64, 150, 36))
        .upDown("MicMonitorImage", P(16, 112, 150, 36))
        .one("MicButtonLineImage", P(16, 162, 440, 2), Art::Divider)
        .one("MicPicImage", P(184, 16, 272, 132), Art::Illustration, "microphone")
        .one("MicProgressImage", P(200, 262, 256, 20), Art::Meter)
        .one("MicGainImage", P(16, 176, 440, 26), Art::ValuePlate)
        .one("MicGraduationImage", P(kMicColumn - 56, kMicTrackTop - 8, 48, kMicTravel + 16), Art::Graduation)
        .one("MicBarImage", P(kMicColumn - 3, kMicTrackTop, 6, kMicTravel), Art::TrackV)
        .one("MicSliderImage", P(kMicColumn - kEqKnobW / 2, kMicTrackTop - kEqKnobH / 2 + kMicTravel / 2, kEqKnobW, kEqKnobH),
             Art::KnobV)
        .one("MicValueImage", P(112, 278, 64, 28), Art::ValuePlate);
    b.onPage("MicBarDownImage", P(kMicColumn - 3, kMicTrackTop + kMicTravel / 2, 6, kMicTravel / 2), Art::TrackVLower, 3);
    for (Picture& picture : b.take()) {
        all.push_back(std::move(picture));
    }
}

void virtualPictures(std::vector<Picture>& all) {
    Builder b("Virtual7ch1", 4);
    b.one("Back_Virtual7p1Image", kPageArea, Art::PageBackground, "surround")
        .upDown("VirtualEnableImage", P(16, 8, 108, 32))
        .upDown("VirtualDisableImage", P(128, 8, 32, 32), Art::IconButton, "power")
        .upDownImage("VirtualClockwise", P(16, 58, 144, 34))
        .upDownImage("VirtualCounterclockwise", P(16, 100, 144, 34))
        .upDownImage("VirtualEnlarge", P(16, 142, 144, 34))
        .upDownImage("VirtualNarrow", P(16, 184, 144, 34))
        .upDownImage("VirtualReset", P(16, 236, 144, 34))
        .one("VirtualPicImage", {kVirtualCentre.x() + kSpeaker / 2 - 142, kVirtualCentre.y() + kSpeaker / 2 - 142, 284, 284},
             Art::Illustration, "stage");
    // The speakers start in the window's default layout around the centre.
    const double h = kVirtualRadius / 2.0, d = 1.6 * h, pi = std::acos(-1.0);
    auto at = [&](double dx, double dy) {
        return QRect(kVirtualCentre.x() + static_cast<int>(dx), kVirtualCentre.y() + static_cast<int>(dy), kSpeaker, kSpeaker);
    };
    auto onCircle = [&](double degrees) { return at(std::cos(degrees * pi / 180) * d, -std::sin(degrees * pi / 180) * d); };
    b.one("VirtualCImage", at(0, -d), Art::Speaker, "C")
        .one("VirtualLImage", onCircle(135), Art::Speaker, "L")
        .one("VirtualLSImage", at(-d, 0), Art::Speaker, "LS")
        .one("VirtualLBImage", onCircle(225), Art::Speaker, "LB")
        .one("VirtualRBImage", onCircle(315), Art::Speaker, "RB")
        .one("VirtualRSImage", at(d, 0), Art::Speaker, "RS")
        .one("VirtualRImage", onCircle(45), Art::Speaker, "R")
        .one("VirtualSUBImage", at(0, -h), Art::Speaker, "SUB")
        .one("VirtualButtonLineImage1", P(16, 48, 144, 2), Art::Divider)
        .one("VirtualButtonLineImage2", P(16, 226, 144, 2), Art::Divider)
        .one("VirtualButtonLineImage3", P(16, 278, 144, 2), Art::Divider);
    for (Picture& picture : b.take()) {
        all.push_back(std::move(picture));
    }
}

void ledPictures(std::vector<Picture>& all) {
    static const char* const kEffects[] = {"Breathe", "Rainbow", "Pulsating"};
    Builder b("LED", 6);
    for (int i = 0; i < 3; ++i) {
        b.one(std::string("Color") + kEffects[i] + "BarImage", P(kLedBarLeft, 134 + i * 44, kLedBarWidth, 6), Art::TrackH);
    }
    for (int i = 0; i < 3; ++i) {
        QRect knob = P(kLedBarLeft + (kLedBarWidth - kLedKnobW) / 2, 125 + i * 44, kLedKnobW, 24);
        b.one(std::string("Color") + kEffects[i] + "SliderUpImage", knob, Art::KnobH)
            .one(std::string("Color") + kEffects[i] + "SliderDownImage", knob, Art::KnobH, {}, true);
    }
    for (int i = 0; i < 3; ++i) {
        b.upDownImage(std::string("Color") + kEffects[i] + "Check", P(16, 127 + i * 44, 20, 20), Art::Check);
    }
    b.pair("ColorLEDOffCheckUpImage", "ColorLEDOffCheckDownImage", P(16, 40, 20, 20), Art::Check)
        .pair("ColorSingleCheckUpImage", "ColorSingleCheckDownImage", P(16, 78, 20, 20), Art::Check);
    for (Picture& picture : b.take()) {
        all.push_back(std::move(picture));
    }
}

void encAndVoicePictures(std::vector<Picture>& all) {
    Builder enc("ENC", 7);
    enc.upDownImage("ENCFunction", P(16, 16, 180, 36))
        .one("ENCBarImage", P(kEncColumn - 3, kEncTrackTop, 6, kEncTravel), Art::TrackV)
        .one("ENCSliderImage", P(kEncColumn - kEqKnobW / 2, kEncTrackTop - kEqKnobH / 2 + kEncTravel / 2, kEqKnobW, kEqKnobH),
             Art::KnobV)
        .one("ENCValueImage", P(276, 188, 64, 32), Art::ValuePlate);
    Builder vm("VoiceMagic", 8);
    vm.upDownImage("VMEffectNone", P(16, 72, 200, 40));
    for (int i = 1; i <= 4; ++i) {
        vm.upDownImage("VMEffect" + std::to_string(i), P(16, 72 + i * 48, 200, 40));
    }
    vm.upDownImage("VMFunction", P(16, 16, 180, 36));
    for (Builder* b : {&enc, &vm}) {
        for (Picture& picture : b->take()) {
            all.push_back(std::move(picture));
        }
    }
}

}  // namespace

std::vector<Picture> Pictures() {
    std::vector<Picture> all;
    mainPictures(all);
    eqPictures(all);
    threeDPictures(all);
    effectPictures(all);
    micPictures(all);
    virtualPictures(all);
    all.push_back({"About", "LogoImage", {0, 0, 164, 32}, 0, Art::Logo, false, {}, -1});
    ledPictures(all);
    encAndVoicePictures(all);
    return all;
}

Geometry SkinGeometry() {
    Geometry g;
    g.eqTrack = {0, kPageArea.y() + kEqTrackTop - kEqKnobH / 2, 0, kEqTravel};
    g.micTrack = {0, kPageArea.y() + kMicTrackTop - kEqKnobH / 2, 0, kMicTravel};
    g.micProgressLength = 256;
    g.virtualCentre = kVirtualCentre;
    g.virtualRadius = kVirtualRadius;
    g.encTrack = {0, kPageArea.y() + kEncTrackTop - kEqKnobH / 2, 0, kEncTravel};
    for (int i = 0; i < 7; ++i) {
        g.swatches.push_back(P(16 + i * 62, 300, 50, 34));
    }
    g.swatches.push_back(P(200, 74, 56, 28));   // single colour
    g.swatches.push_back(P(416, 122, 40, 28));  // breathe colour
    return g;
}

std::vector<CaptionPlace> CaptionPlaces() {
    std::vector<CaptionPlace> c;
    auto on = [&](const char* key, QRect rect, int points = 9) { c.push_back({key, rect, points, false}); };
    auto at = [&](const char* key, QRect rect, int points = 9) { c.push_back({key, rect, points, true}); };
    on("LabelMenu1", {24, 440, 84, 32});
    on("LabelMenu2", {114, 440, 84, 32});
    on("LabelMenu3", {204, 440, 84, 32});
    static const char* const kTabs[] = {"LabelPageEQ", "LabelPageEffect", "LabelPageMic", "LabelPageVirtual7ch1",
                                        "LabelPageENC", "LabelPageVMEffect", "LabelPageLED"};
    for (int i = 0; i < 7; ++i) {
        on(kTabs[i], {315 + i * 67, 64, 63, 32});
    }
    for (const char* key : {"LabelActive", "LabelUnDriver", "LabelUnactive"}) {
        on(key, {24, 312, 264, 40}, 10);
    }
    at("LabelSetting", {32, 286, 130, 20});
    at("LabelSX", {172, 286, 116, 20}, 10);
    at("LabelFeatures", {36, 80, 200, 20}, 10);
    at("LabelCompanyName", {192, 18, 200, 20});
    at("DeviceInLabel", {58, 366, 96, 16});
    at("DeviceOutLabel", {182, 366, 100, 16});
    on("LabelEQEnable", P(16, 52, 96, 28));
    on("LableEQ3DEnable", P(120, 52, 96, 28));
    on("LabelEQReset", P(376, 52, 80, 28));
    for (int i = 0; i < 4; ++i) {
        static const char* const kPresets[] = {"LabelEQS1", "LabelEQS2", "LabelEQS3", "LabelEQS4"};
        on(kPresets[i], P(16 + i * 88, 14, 80, 28));
    }
    static const char* const kBandKeys[] = {"LabelEQ60Hz", "LabelEQ300Hz", "LabelEQ1200Hz", "LabelEQ3600Hz", "LabelEQ12000Hz"};
    for (int i = 0; i < kEqBands; ++i) {
        on(kBandKeys[i], P(eqColumn(i) - 40, kEqTrackTop + kEqTravel + 14, 80, 18));
    }
    on("Label3DEnable", P(16, 16, 140, 32));
    on("Label3DFBM", P(16, 60, 140, 32));
    on("Label3DReset", P(16, 104, 140, 32));
    on("Label3DLeftChannel", P(180, 150, 112, 26));
    on("Label3DRightChannel", P(344, 150, 112, 26));
    on("Label3DConnection", P(180, 236, 276, 20));
    static const char* const kEffects[] = {"LabelEffectNothing", "LabelEffectTheater", "LabelEffectBathroom",
                                           "LabelEffectLivingroom", "LabelEffectStoneGallery"};
    for (int i = 0; i < 5; ++i) {
        on(kEffects[i], P(16, 16 + i * 56, 150, 44), 10);
    }
    on("LabelMicBoost", P(16, 16, 150, 36));
    on("LabelMicMute", P(16, 64, 150, 36));
    on("LabelMicMonitor", P(16, 112, 150, 36));
    at("LabelMicGain", P(28, 178, 200, 22), 10);
    on("LabelMicValue", P(112, 278, 64, 28), 10);
    on("Label7ch1Enable", P(16, 8, 108, 32));
    on("LabelVirtualClockwise", P(16, 58, 144, 34));
    on("LabelVirtualCounterclockwise", P(16, 100, 144, 34));
    on("LabelVirtualEnlarge", P(16, 142, 144, 34));
    on("LabelVirtualNarrow", P(16, 184, 144, 34));
    on("Label7ch1Reset", P(16, 236, 144, 34));
    at("ColorEffectLabel", P(16, 12, 300, 20), 10);
    at("ColorLEDOffLabel", P(44, 40, 140, 20));
    at("ColorSingleLabel", P(44, 78, 140, 20));
    at("ColorBreatheLabel", P(44, 127, 140, 20));
    at("ColorRainbowLabel", P(44, 171, 140, 20));
    at("ColorPulsatingLabel", P(44, 215, 140, 20));
    at("ColorSlowLabel", P(kLedBarLeft, 104, 80, 16));
    c.push_back({"ColorFastLabel", P(kLedBarLeft + kLedBarWidth - 80, 104, 80, 16), 9, false});
    at("ColorSelectLabel", P(16, 272, 300, 20), 10);
    on("ENCFunctionLabel", P(16, 16, 180, 36));
    on("LabelENCValue", P(276, 188, 64, 32), 10);
    on("VMEffectNoneLabel", P(16, 72, 200, 40));
    for (int i = 1; i <= 4; ++i) {
        static const char* const kVoices[] = {"", "VMEffect1Label", "VMEffect2Label", "VMEffect3Label", "VMEffect4Label"};
        on(kVoices[i], P(16, 72 + i * 48, 200, 40));
    }
    on("VMFunctionLabel", P(16, 16, 180, 36));
    return c;
}

QRect Scaled(const QRect& rect, double scale) {
    int left = static_cast<int>(std::lround(rect.x() * scale));
    int top = static_cast<int>(std::lround(rect.y() * scale));
    int right = static_cast<int>(std::lround((rect.x() + rect.width()) * scale));
    int bottom = static_cast<int>(std::lround((rect.y() + rect.height()) * scale));
    return {left, top, right - left, bottom - top};
}

}  // namespace layout
