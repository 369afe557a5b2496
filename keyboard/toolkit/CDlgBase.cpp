#include "keyboard/toolkit/CDlgBase.h"

#include "keyboard/toolkit/CWndPopup.h"
#include "keyboard/toolkit/ControlDrawing.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/PaintDC.h"

namespace {
constexpr unsigned kHoverMilliseconds = 1;
}  // namespace

CDlgBase::CDlgBase(ui::Window* owner) : ui::Dialog(owner), m_mouse(*this, kHoverMilliseconds) {
    windowOptions().doubleClicks = true;
}

CDlgBase::~CDlgBase() {
    if (exists()) {
        destroy();
    }
}

template <typename Visit>
void CDlgBase::ForEachControl(Visit&& visit) const {
    for (const auto& group : m_groups) {
        for (const auto& control : group) {
            visit(*control);
        }
    }
}

ui::BOOL CDlgBase::OnInitDialog() {
    setIcon(m_icon);
    setTitle("Quelda Keyboard");
    m_dialogFont = ui::Font(DialogFontSpec());
    resize({m_width, m_height});
    setTopmost(false);
    show(ui::ShowCommand::show);
    CreateControls(clientRect());
    centerOn(dialogOwner());
    return ui::TRUE;
}

void CDlgBase::SetBackground(int bitmapId) {
    // Most windows take their shape from their background: decode it once.
    ui::Image picture = m_shapeBitmapId == bitmapId ? std::move(m_shapeBitmap) : LoadBitmapResource(bitmapId);
    m_shapeBitmapId = 0;
    if (picture.isNull()) {
        return;
    }
    m_backgroundWidth = picture.width();
    m_backgroundHeight = picture.height();
    m_background = std::make_unique<ui::MemoryDC>(std::move(picture));
    invalidate();
}

void CDlgBase::SetShapeFromBitmap(int bitmapId) {
    m_shapeBitmap = LoadBitmapResource(bitmapId);
    m_shapeBitmapId = bitmapId;
    m_region = ShapeFromBitmap(m_shapeBitmap);
    setShape(m_region);
    invalidate();
}

CControlBase* CDlgBase::FindControl(ui::UINT id) const {
    for (const auto& group : m_groups) {
        for (const auto& control : group) {
            if (control->GetId() == id) {
                return control.get();
            }
        }
    }
    return nullptr;
}

void CDlgBase::DrawBackground(ui::DeviceContext& dc, const ui::Rect& rect) {
    DrawBackgroundPicture(dc, rect);
    DrawControls(dc, rect);
}

void CDlgBase::DrawBackgroundPicture(ui::DeviceContext& dc, const ui::Rect& rect) const {
    if (m_background) {
        ui::Rect visible = rect.intersected(ui::Rect{0, 0, m_backgroundWidth, m_backgroundHeight});
        if (!visible.isEmpty()) {
            dc.bitBlt(visible, *m_background, visible.topLeft());
        }
    }
}

void CDlgBase::DrawControls(ui::DeviceContext& dc, const ui::Rect& clip) {
    ForEachControl([&](CControlBase& control) {
        if (control.IsVisible() && control.GetRect().intersects(clip)) {
            control.Draw(dc, clip);
        }
    });
}

// The layer's window surface is already a buffer that is shown whole once
// the paint is done, so the controls draw straight into it: no flicker, and
// no second client-sized picture to fill and copy.
void CDlgBase::OnPaint() {
    ui::PaintDC screen(*this);
    if (isMinimized()) {
        return;
    }
    ui::Rect area = screen.paintRect().intersected(clientRect());
    if (area.isEmpty()) {
        return;
    }
    screen.setClipRect(area);
    DrawBackground(screen, area);
}

void CDlgBase::OnMouseMove(ui::UINT flags, ui::Point point) {
    const bool tracked = m_mouse.Track();
    if (m_hovered && m_hovered->Contains(point.x, point.y) && tracked) {
        m_lastPoint = point;
        if (m_hovered->OnMouseMove(flags, point.x, point.y)) {
            invalidate(m_hovered->GetRect());
        }
        return;
    }
    if (m_mouse.Pressed()) {
        return;
    }
    m_lastPoint = point;
    CControlBase* under = nullptr;
    if (tracked) {
        ForEachControl([&](CControlBase& control) {
            if (!control.IsVisible() || !control.TracksMouse()) {
                return;
            }
            control.OnMouseMove(flags, point.x, point.y);
            if (control.Contains(point.x, point.y)) {
                under = &control;
            }
        });
    }
    if (m_hovered) {
        invalidate(m_hovered->GetRect());
    }
    m_hovered = under;
    if (m_hovered) {
        invalidate(m_hovered->GetRect());
    }
}

void CDlgBase::OnMouseLeave() {
    m_mouse.Left();
    if (m_mouse.Pressed() || !m_hovered) {
        return;
    }
    ui::Point point = kNoPoint;
    ui::Point cursor = screenToClient(ui::cursorPos());
    if (isMaximized() && m_hovered->Contains(cursor.x, cursor.y)) {
        point = cursor;
    }
    m_hovered->OnMouseMove(0, point.x, point.y);
    invalidate(m_hovered->GetRect());
    m_hovered = nullptr;
}

void CDlgBase::OnMouseHover(ui::UINT, ui::Point) {
    if (!m_hovered) {
        return;
    }
    ui::Point cursor = screenToClient(ui::cursorPos());
    if (m_hovered->Contains(cursor.x, cursor.y)) {
        m_lastPoint = cursor;
        invalidate(m_hovered->GetRect());
    }
}

void CDlgBase::ReleaseStalePress() {
    if (m_pressedControl && m_pressedControl != m_hovered) {
        m_pressedControl->OnPressLost(0);
        m_pressedControl = nullptr;
    }
}

void CDlgBase::OnLButtonDown(ui::UINT flags, ui::Point point) {
    ReleaseStalePress();
    if (m_hovered && m_hovered->Contains(point.x, point.y)) {
        m_mouse.Press();
        m_pressedControl = m_hovered;
        m_pressRect = m_hovered->GetRect();
        CControlBase* pressed = m_hovered;
        if (pressed->OnLButtonDown(flags, point.x, point.y) && StillOwns(pressed)) {
            invalidate(pressed->GetRect());
        }
        return;
    }
    m_pressRect = kNoRect;
    ui::PostMessage(this, ui::WM_NCLBUTTONDOWN, ui::HTCAPTION, ui::pointParam(point));
}

void CDlgBase::OnLButtonUp(ui::UINT flags, ui::Point point) {
    m_mouse.Release();
    if (CControlBase* control = m_hovered) {
        ui::UINT id = control->GetId();
        ui::BOOL changed = control->OnLButtonUp(flags, point.x, point.y);
        // The click may have run a dialog or rebuilt the controls.
        bool gone = !StillOwns(control);
        if (changed && !gone) {
            RepaintsWholeWindow(id) ? invalidate() : invalidate(control->GetRect());
        }
        if (gone) {
            m_hovered = nullptr;
            m_pressRect = kNoRect;
            return;
        }
    }
    bool inPress = m_pressRect.contains(point);
    bool inHovered = m_hovered && m_hovered->Contains(point.x, point.y);
    if (!inPress && !inHovered) {
        m_lastPoint = kNoPoint;
        m_hovered = nullptr;
    } else {
        m_lastPoint = point;
    }
    m_pressRect = kNoRect;
}

void CDlgBase::OnLButtonDblClk(ui::UINT flags, ui::Point point) {
    for (int group = 0; group < kGroups; ++group) {
        for (const auto& control : m_groups[static_cast<std::size_t>(group)]) {
            if (control->Contains(point.x, point.y)) {
                m_pressRect = control->GetRect();
                if (group == 1) {
                    control->OnLButtonDblClk(flags, point.x, point.y);
                }
                return;
            }
        }
    }
}

bool CDlgBase::StillOwns(const CControlBase* control) const {
    bool found = false;
    ForEachControl([&](const CControlBase& candidate) { found = found || &candidate == control; });
    return found;
}

bool CDlgBase::RepaintsWholeWindow(ui::UINT id) const {
    switch (id) {
        case 2003:
        case 2004:
        case 2005:
        case 2049:
        case 2050:
        case 2051:
        case 2077:
            return true;
        default:
            return false;
    }
}

void CDlgBase::SetPopup(int kind, CWndPopup* popup) {
    auto& slot = m_popups.at(static_cast<std::size_t>(kind));
    slot.popup = popup;
    slot.window = popup ? popup->handle() : ui::WindowHandle{};
}

CWndPopup* CDlgBase::Popup(int kind) const {
    const auto& slot = m_popups.at(static_cast<std::size_t>(kind));
    return ui::isWindow(slot.window) ? slot.popup : nullptr;
}

void CDlgBase::ClosePopup(int kind) {
    ReleaseStalePress();
    auto& slot = m_popups.at(static_cast<std::size_t>(kind));
    if (slot.popup && ui::isWindow(slot.window)) {
        ui::PostMessage(slot.window, ui::WM_CLOSE);
    }
    slot = PopupSlot{};
}
