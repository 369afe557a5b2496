#include "keyboard/toolkit/CVScrollBar.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr ui::COLORREF kFace = ui::RGB(208, 215, 189);
constexpr ui::COLORREF kThumbLine = ui::RGB(31, 31, 31);
constexpr ui::COLORREF kThumbLineHover = ui::RGB(0, 255, 0);
constexpr ui::COLORREF kThumbFill = ui::RGB(118, 131, 80);
constexpr ui::COLORREF kThumbFillHover = ui::RGB(148, 162, 104);

// Rectangles here keep their bottom row inside (bottom = top + height - 1),
// so hit tests include it.
bool Inside(const ui::Rect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y <= r.bottom;
}
}  // namespace

CVScrollBar::CVScrollBar(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text,
                         ui::BOOL visible, ui::BOOL disabled, ui::BOOL)
    : CControlBase(parent, id, rect, text, visible, disabled, ui::TRUE) {
    LayOut();
}

void CVScrollBar::SetImages(int, int) {
    m_upImage.Load(kUpImage);
    m_downImage.Load(kDownImage);
    LayOut();
}

void CVScrollBar::SetArrowImages(ui::Image up, ui::Image down) {
    m_upImage.SetImage(std::move(up));
    m_downImage.SetImage(std::move(down));
    LayOut();
}

void CVScrollBar::LayOut() {
    m_arrowWidth = m_downImage.FrameWidth();
    m_arrowHeight = m_downImage.FrameHeight();
    const ui::Rect& r = m_rect;
    m_upRect = {r.left, r.top, r.right, r.top + m_arrowHeight - 1};
    m_downRect = {r.left, r.bottom - m_arrowHeight + 1, r.right, r.bottom};
    m_track = {r.left, r.top + m_arrowHeight, r.right, r.bottom - m_arrowHeight + 1};
    m_thumb = m_track;
}

void CVScrollBar::SetScroll(int position, int page, int total) {
    if (total == 0) {
        m_thumb = m_track;
    } else {
        const double length = TrackLength();
        int top = m_track.top + static_cast<int>(std::floor(double(position) / total * length + 0.5));
        int height =
            std::min(TrackLength(), static_cast<int>(std::floor(double(page) / total * length + 0.5)));
        m_thumb = {m_track.left, top, m_track.right, std::min(top + height - 1, m_track.bottom)};
    }
    m_position = position;
    m_page = page;
    m_total = total;
    InvalidateSelf();
}

CVScrollBar::Part CVScrollBar::PartAt(int x, int y) const {
    if (Inside(m_upRect, x, y))
        return kUpArrow;
    if (Inside(m_downRect, x, y))
        return kDownArrow;
    if (y < m_thumb.top)
        return kTrackAbove;
    if (y > m_thumb.bottom)
        return kTrackBelow;
    return kThumb;
}

ui::BOOL CVScrollBar::OnMouseMove(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    if (m_state != 2) {
        bool inside = Contains(x, y);
        m_state = inside ? 1 : 0;
        m_overUp = inside && Inside(m_upRect, x, y);
        m_overDown = inside && Inside(m_downRect, x, y);
        m_overThumb = inside && Inside(m_thumb, x, y);
        if (m_state == 0) {
            m_dragging = false;
        }
    }
    if (m_dragging) {
        Drag(y);
    }
    return ui::TRUE;
}

// The thumb follows the pointer inside the track; the position is where its top lies.
void CVScrollBar::Drag(int y) {
    int height = m_dragRect.bottom - m_dragRect.top;
    int top = std::clamp(y - m_grabDistance, m_track.top, std::max(m_track.top, m_track.bottom - height));
    m_dragRect.top = top;
    m_dragRect.bottom = top + height;
    InvalidateSelf();
    int position = static_cast<int>(static_cast<long long>(top - m_track.top) * m_total / TrackLength());
    if (position != m_position) {
        m_position = position;
        Notify(kNotifyThumbDragged);
    }
}

ui::BOOL CVScrollBar::OnLButtonDown(ui::UINT, int x, int y) {
    if (m_disabled || !Contains(x, y)) {
        return ui::FALSE;
    }
    m_state = 2;
    Part part = PartAt(x, y);
    if (part == kThumb) {
        m_dragging = true;
        m_dragRect = m_thumb;
        m_grabDistance = y - m_thumb.top;
    }
    Notify(kNotifyPressed, part);
    return ui::TRUE;
}

ui::BOOL CVScrollBar::OnLButtonUp(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    // The drag ends wherever the button comes up: a drag left running would
    // scroll on the next move over the bar with no button held.
    m_dragging = false;
    if (Contains(x, y)) {
        m_state = 1;
        Notify(kNotifyClicked);
    } else {
        m_state = 0;
    }
    SetScroll(m_position, m_page, m_total);
    return ui::TRUE;
}

void CVScrollBar::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    dc.fillRect(m_rect, kFace);
    m_upImage.DrawFrame(
        dc, m_overUp ? 1 : 0,
        ui::Rect{m_rect.left, m_rect.top, m_rect.left + m_arrowWidth, m_rect.top + m_arrowHeight});
    m_downImage.DrawFrame(
        dc, m_overDown ? 1 : 0,
        ui::Rect{m_rect.left, m_downRect.top, m_rect.left + m_arrowWidth, m_downRect.top + m_arrowHeight});
    DrawThumb(dc);
}

void CVScrollBar::DrawThumb(ui::DeviceContext& dc) const {
    ui::Rect thumb = m_dragging ? m_dragRect : m_thumb;
    thumb.bottom += 1;  // the stored bottom row is part of the thumb
    bool hovered = m_overThumb;
    dc.fillRect(thumb, hovered ? kThumbFillHover : kThumbFill);
    dc.frameRect(thumb, hovered ? kThumbLineHover : kThumbLine);
}
