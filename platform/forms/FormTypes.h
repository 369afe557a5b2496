#pragma once

#include <string>

#include "platform/ui/Types.h"

namespace ui {
class Window;
}

// The plain value types the form components share: colours as the panel's
// files store them (0x00BBGGRR), mouse buttons and shift states, fonts.
namespace forms {

using TColor = ui::COLORREF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBtnFace = 0xF0F0F0;
inline constexpr TColor clBtnShadow = 0xA0A0A0;
inline constexpr TColor clBtnHighlight = 0xFFFFFF;
inline constexpr TColor clWindow = 0xFFFFFF;
inline constexpr TColor clWindowText = 0x000000;
inline constexpr TColor clHighlight = 0xD77800;
inline constexpr TColor clHighlightText = 0xFFFFFF;
inline constexpr TColor clGrayText = 0x6D6D6D;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Which keys and buttons were down; combinable.
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 0x01;
inline constexpr TShiftState ssAlt = 0x02;
inline constexpr TShiftState ssCtrl = 0x04;
inline constexpr TShiftState ssLeft = 0x08;
inline constexpr TShiftState ssRight = 0x10;
inline constexpr TShiftState ssMiddle = 0x20;
inline constexpr TShiftState ssDouble = 0x40;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

using TFontStyles = unsigned;
inline constexpr TFontStyles fsBold = 0x01;
inline constexpr TFontStyles fsItalic = 0x02;
inline constexpr TFontStyles fsUnderline = 0x04;
inline constexpr TFontStyles fsStrikeOut = 0x08;

// Size is in points; the pixel height at 96 dots per inch is Size * 96 / 72
// (size 9 draws 12 pixels high).
struct TFont {
    std::string Name = "Tahoma";
    int Size = 8;
    TColor Color = clWindowText;
    TFontStyles Style = 0;

    int Height() const;  // negative: character height in pixels, as the layer takes it
    friend bool operator==(const TFont&, const TFont&) = default;
};

enum class TBorderStyle { bsNone, bsSingle, bsDialog, bsSizeable, bsToolWindow };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

// What the application-wide hook is shown: one input message of a form.
struct TMsg {
    ui::Window* hwnd = nullptr;
    ui::UINT message = 0;
    ui::WPARAM wParam = 0;
    ui::LPARAM lParam = 0;  // mouse messages: the point in the window's client area
    ui::Point pt;           // the pointer in screen coordinates
};

}  // namespace forms
