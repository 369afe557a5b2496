#pragma once

#include "keyboard/toolkit/CControlBase.h"
#include "keyboard/toolkit/ImageStrip.h"

// A vertical scroll bar: two arrows, a track and a thumb sized to the page.
// The owner moves its list on the notifications and calls SetScroll.
class CVScrollBar : public CControlBase {
public:
    // What a press hit, sent as wParam with code 1.
    enum Part : ui::WPARAM { kThumb = 0, kUpArrow = 6, kDownArrow = 7, kTrackAbove = 8, kTrackBelow = 9 };
    static constexpr int kUpImage = 188;
    static constexpr int kDownImage = 187;

    CVScrollBar(ui::Window* parent, ui::UINT id, const ui::Rect& rect, const std::string& text = {},
                ui::BOOL visible = ui::TRUE, ui::BOOL disabled = ui::FALSE, ui::BOOL tracksMouse = ui::TRUE);

    // Always the scroll bar's own arrows, whatever ids are passed.
    void SetImages(int upId = kUpImage, int downId = kDownImage);
    // The arrows from pictures made at run time (tests).
    void SetArrowImages(ui::Image up, ui::Image down);
    void SetScroll(int position, int page, int total);

    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;
    ui::BOOL OnMouseMove(ui::UINT flags, int x, int y) override;
    ui::BOOL OnLButtonDown(ui::UINT flags, int x, int y) override;
    ui::BOOL OnLButtonUp(ui::UINT flags, int x, int y) override;

    const ui::Rect& ThumbRect() const { return m_thumb; }
    const ui::Rect& TrackRect() const { return m_track; }
    const ui::Rect& DragRect() const { return m_dragRect; }
    int Position() const { return m_position; }
    int Page() const { return m_page; }
    int Total() const { return m_total; }
    bool IsDragging() const { return m_dragging; }

private:
    void LayOut();
    int TrackLength() const { return m_track.bottom - m_track.top + 1; }
    Part PartAt(int x, int y) const;
    void Drag(int y);
    void DrawThumb(ui::DeviceContext& dc) const;

    ImageStrip m_upImage{3};
    ImageStrip m_downImage{3};
    int m_arrowWidth = 0;
    int m_arrowHeight = 0;
    int m_state = 0;
    ui::BOOL m_overUp = ui::FALSE;
    ui::BOOL m_overDown = ui::FALSE;
    ui::BOOL m_overThumb = ui::FALSE;
    ui::Rect m_thumb;
    ui::Rect m_track;
    ui::Rect m_upRect;
    ui::Rect m_downRect;
    bool m_dragging = false;
    ui::Rect m_dragRect;
    int m_grabDistance = 0;
    int m_position = 0;
    int m_page = 1;
    int m_total = 1;
};
