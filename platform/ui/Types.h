#pragma once

#include <algorithm>
#include <cstdint>

// The plain value types of the UI layer. The message parameters keep the widths
// and packing the windows built on this layer expect (a point packed into one
// LPARAM, a control id and a code into one WPARAM).
namespace ui {

using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// 0x00BBGGRR, as colours are stored in the programs' files.
using COLORREF = std::uint32_t;
constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// 0xAARRGGBB, as pixels of an Image read.
using Argb = std::uint32_t;
constexpr Argb argbOf(COLORREF c, int alpha = 255) {
    return (static_cast<Argb>(alpha & 0xFF) << 24) | (static_cast<Argb>(GetRValue(c)) << 16) |
           (static_cast<Argb>(GetGValue(c)) << 8) | static_cast<Argb>(GetBValue(c));
}
constexpr COLORREF colorOf(Argb argb) {
    return RGB(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
               static_cast<int>(argb & 0xFF));
}

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom are exclusive: a point lies inside when left <= x < right
// and top <= y < bottom.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool intersects(const Rect& o) const {
        return !isEmpty() && !o.isEmpty() && left < o.right && o.left < right && top < o.bottom &&
               o.top < bottom;
    }
    Rect intersected(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
               std::min(bottom, o.bottom)};
        return r.isEmpty() ? Rect{} : r;
    }
    Rect united(const Rect& o) const {
        if (isEmpty()) {
            return o;
        }
        if (o.isEmpty()) {
            return *this;
        }
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Point topLeft() const { return {left, top}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

constexpr Rect rectAt(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

// Packing of two 16-bit values into one parameter; coordinates are signed.
constexpr LPARAM makeLParam(int low, int high) {
    return static_cast<LPARAM>(static_cast<std::uint32_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr WPARAM makeWParam(int low, int high) {
    return static_cast<WPARAM>(static_cast<std::uint32_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr int loWord(std::uintptr_t value) {
    return static_cast<int>(value & 0xFFFF);
}
constexpr int hiWord(std::uintptr_t value) {
    return static_cast<int>((value >> 16) & 0xFFFF);
}
constexpr int signedLoWord(std::uintptr_t value) {
    return static_cast<std::int16_t>(value & 0xFFFF);
}
constexpr int signedHiWord(std::uintptr_t value) {
    return static_cast<std::int16_t>((value >> 16) & 0xFFFF);
}
constexpr LPARAM pointParam(Point p) {
    return makeLParam(p.x, p.y);
}
constexpr Point pointFromParam(LPARAM value) {
    return {signedLoWord(static_cast<std::uintptr_t>(value)),
            signedHiWord(static_cast<std::uintptr_t>(value))};
}

}  // namespace ui
