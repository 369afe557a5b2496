#include "keyboard/toolkit/CWndPopup.h"

#include "keyboard/toolkit/CDlgBase.h"
#include "keyboard/toolkit/ControlDrawing.h"
#include "platform/ui/Messaging.h"

namespace {
constexpr unsigned kHoverMilliseconds = 50;
constexpr ui::COLORREF kBorder = ui::RGB(185, 210, 107);
constexpr ui::COLORREF kFace = ui::RGB(161, 172, 128);
}  // namespace

CWndPopup::CWndPopup() : m_mouse(*this, kHoverMilliseconds), m_font(ControlFontSpec()) {}

CWndPopup::~CWndPopup() = default;

ui::UINT CWndPopup::CloseMessageOf(int kind) {
    switch (kind) {
        case 0:
            return 1029;
        case 1:
            return 1032;
        case 2:
            return 1042;
        case 3:
            return 1045;
        case 4:
            return 1047;
        case 8:
            return 1064;
        case 9:
            return 1069;
        case 10:
            return 1072;
        default:
            return 0;
    }
}

ui::BOOL CWndPopup::Open(CDlgBase* owner, const ui::Rect& screenRect, ui::UINT notifyMessage,
                         ui::UINT ownerControlId) {
    m_owner = owner;
    m_left = screenRect.left;
    m_top = screenRect.top;
    if (screenRect.width() > 0) {
        m_width = screenRect.width();
    }
    m_notifyMessage = notifyMessage;
    m_ownerControlId = ownerControlId;
    ui::WindowOptions options;
    options.rect = ui::Rect{m_left, m_top, m_left + m_width, m_top + std::max(1, screenRect.height())};
    options.owner = owner;
    options.doubleClicks = true;
    options.topmost = true;
    options.toolWindow = true;
    options.cursor = ui::Cursor::arrow;
    return create(options) ? ui::TRUE : ui::FALSE;
}

void CWndPopup::DrawItems(ui::DeviceContext&, const ui::Rect&) {}
void CWndPopup::BuildItems() {}
ui::BOOL CWndPopup::OnHover(int, int) {
    return ui::FALSE;
}
ui::BOOL CWndPopup::OnPress(int, int) {
    return ui::FALSE;
}
ui::BOOL CWndPopup::OnRelease(int, int) {
    return ui::FALSE;
}

void CWndPopup::Redraw() {
    ui::Rect client = clientRect();
    if (client.isEmpty()) {
        return;
    }
    ui::MemoryDC buffer(client.width(), client.height());
    buffer.fillRect(client, kBorder);
    buffer.fillRect(ui::Rect{1, 1, client.right - 1, client.bottom - 1}, kFace);
    buffer.setFont(m_font);
    DrawItems(buffer, client);
    DrawExtra(buffer, client);
    present(buffer.image());
}

int CWndPopup::OnCreate() {
    BuildItems();
    Redraw();
    move({m_left, m_top});
    show(ui::ShowCommand::show);
    return 0;
}

ui::Point CWndPopup::CursorInClient() const {
    return screenToClient(ui::cursorPos());
}

void CWndPopup::OnPaint() {
    Redraw();
    validate();
}

void CWndPopup::OnMouseMove(ui::UINT, ui::Point point) {
    m_mouse.Track();
    if (!m_mouse.Pressed() && OnHover(point.x, point.y)) {
        Redraw();
    }
}

void CWndPopup::OnMouseHover(ui::UINT, ui::Point) {
    ui::Point cursor = CursorInClient();
    OnHover(cursor.x, cursor.y);
}

void CWndPopup::OnMouseLeave() {
    m_mouse.Left();
    if (!m_mouse.Pressed()) {
        ui::Point cursor = CursorInClient();
        OnHover(cursor.x, cursor.y);
    }
}

void CWndPopup::OnLButtonDown(ui::UINT, ui::Point point) {
    m_mouse.Press();
    if (OnPress(point.x, point.y)) {
        Redraw();
    }
}

void CWndPopup::OnLButtonUp(ui::UINT, ui::Point point) {
    m_mouse.Release();
    if (OnRelease(point.x, point.y)) {
        Redraw();
    }
}

ui::BOOL CWndPopup::OnNcActivate(ui::BOOL active) {
    if (active == ui::FALSE && m_owner) {
        if (ui::UINT closeMessage = CloseMessageOf(m_kind)) {
            ui::SendMessage(m_owner, closeMessage, m_ownerControlId, m_kind);
        }
    }
    return ui::TRUE;
}

void CWndPopup::OnClose() {
    if (m_owner) {
        ui::SendMessage(m_owner, kClosedMessage, 0, 0);
    }
    ui::Window::OnClose();
}
