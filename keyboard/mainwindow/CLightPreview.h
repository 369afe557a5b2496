#pragma once

#include <array>

#include "keyboard/toolkit/CControlBase.h"

struct ProfileRecord;

// The LIGHT page's preview: the keyboard's five lighting areas as five lit
// strips in the page picture's PREVIEW panel, drawn the way the shown
// profile's mode, brightness and area colours would light them. It takes no
// input.
class CLightPreview : public CControlBase {
public:
    static constexpr ui::UINT kId = 2094;
    static constexpr int kAreas = 5;

    CLightPreview(ui::Window* parent, ui::BOOL visible);

    // Takes the values as the keyboard would: four bits each.
    void Show(const ProfileRecord& record);
    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;

    // The colour of area 0..4 at a point 0..1 along it, as drawn.
    ui::COLORREF ColourAt(int area, double along) const;
    int Mode() const { return m_mode; }

private:
    ui::COLORREF FullColour(int area, double along) const;
    ui::Rect StripRect(int area) const;

    int m_mode = 1;
    int m_brightness = 4;
    std::array<int, kAreas> m_areaColours{4, 4, 4, 4, 4};
};
