#include "keyboard/mainwindow/CLightPreview.h"

#include <algorithm>
#include <cmath>

#include "keyboard/model/ProfileRecord.h"

namespace {

// Where the page picture leaves the five strips, in client coordinates.
constexpr int kLeft = 590;
constexpr int kTop = 223;
constexpr int kWidth = 169;
constexpr int kHeight = 22;
constexpr int kPitch = 42;

constexpr ui::COLORREF kUnlit = ui::RGB(22, 28, 44);

// The keyboard's own colour modes 5..12: Red .. White Full.
constexpr ui::COLORREF kModeColours[] = {ui::RGB(255, 40, 60),  ui::RGB(255, 150, 30), ui::RGB(250, 230, 60),
                                         ui::RGB(80, 230, 90),  ui::RGB(40, 200, 230), ui::RGB(60, 100, 255),
                                         ui::RGB(190, 70, 255), ui::RGB(245, 245, 245)};
// The area colour indexes 0..6: Red, Purple, Blue, Cyan, Green, Yellow, White.
constexpr ui::COLORREF kAreaColours[] = {ui::RGB(255, 40, 60),  ui::RGB(190, 70, 255), ui::RGB(60, 100, 255),
                                         ui::RGB(40, 200, 230), ui::RGB(80, 230, 90),  ui::RGB(250, 230, 60),
                                         ui::RGB(245, 245, 245)};

enum Mode { kOff = 0, kFlowLeft = 4, kFirstFull = 5, kLastFull = 12, kUserDefine = 15 };
constexpr int kFullBrightness = 4;

ui::COLORREF Mix(ui::COLORREF from, ui::COLORREF to, double amount) {
    const auto channel = [amount](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * amount));
    };
    return ui::RGB(channel(ui::GetRValue(from), ui::GetRValue(to)),
                   channel(ui::GetGValue(from), ui::GetGValue(to)),
                   channel(ui::GetBValue(from), ui::GetBValue(to)));
}

// Red to purple along a strip, as the keyboard's rainbow modes run.
ui::COLORREF Rainbow(double along) {
    constexpr ui::COLORREF stops[] = {ui::RGB(255, 40, 60), ui::RGB(255, 150, 30), ui::RGB(250, 230, 60),
                                      ui::RGB(80, 230, 90), ui::RGB(40, 200, 230), ui::RGB(60, 100, 255),
                                      ui::RGB(190, 70, 255)};
    const double scaled = std::clamp(along, 0.0, 1.0) * 6;
    const int stop = std::min(static_cast<int>(scaled), 5);
    return Mix(stops[stop], stops[stop + 1], scaled - stop);
}

int Nibble(const ProfileRecord& record, int position) {
    return record.NumericSetting(position) & 0x0F;
}

}  // namespace

CLightPreview::CLightPreview(ui::Window* parent, ui::BOOL visible)
    : CControlBase(parent, kId, {kLeft, kTop, kLeft + kWidth, kTop + 4 * kPitch + kHeight}, std::string{},
                   visible, ui::FALSE, ui::FALSE) {}

void CLightPreview::Show(const ProfileRecord& record) {
    m_mode = Nibble(record, kLightMode);
    m_brightness = std::min(Nibble(record, kLightBrightness), kFullBrightness);
    for (int area = 0; area < kAreas; ++area) {
        m_areaColours[static_cast<std::size_t>(area)] = Nibble(record, kLightArea1Color + area);
    }
}

// What the area shows at full brightness.
ui::COLORREF CLightPreview::FullColour(int area, double along) const {
    if (m_mode == kOff) {
        return kUnlit;
    }
    if (m_mode >= kFirstFull && m_mode <= kLastFull) {
        return kModeColours[m_mode - kFirstFull];
    }
    if (m_mode == kUserDefine) {
        const int colour = m_areaColours[static_cast<std::size_t>(area)];
        return colour < static_cast<int>(std::size(kAreaColours)) ? kAreaColours[colour] : kUnlit;
    }
    return Rainbow(m_mode == kFlowLeft ? 1 - along : along);
}

ui::COLORREF CLightPreview::ColourAt(int area, double along) const {
    return Mix(kUnlit, FullColour(area, along), static_cast<double>(m_brightness) / kFullBrightness);
}

ui::Rect CLightPreview::StripRect(int area) const {
    const int top = kTop + area * kPitch;
    return {kLeft, top, kLeft + kWidth, top + kHeight};
}

// Column by column, with the corners rounded off by a pixel or two.
void CLightPreview::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    if (!IsVisible()) {
        return;
    }
    for (int area = 0; area < kAreas; ++area) {
        const ui::Rect strip = StripRect(area);
        for (int x = 0; x < kWidth; ++x) {
            const int edge = std::min(x, kWidth - 1 - x);
            const int inset = edge == 0 ? 2 : edge == 1 ? 1 : 0;
            const double along = static_cast<double>(x) / (kWidth - 1);
            dc.fillRect({strip.left + x, strip.top + inset, strip.left + x + 1, strip.bottom - inset},
                        ColourAt(area, along));
        }
    }
}
