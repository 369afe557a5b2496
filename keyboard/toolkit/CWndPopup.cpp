#include "keyboard/toolkit/CWndPopup.h"

#include "keyboard/toolkit/CDlgBase.h"
#include "keyboard/toolkit/ControlDrawing.h"
#include "platform/ui/Messaging.h"

namespace {
constexpr unsigned kHoverMilliseconds = 50;
constexpr ui::COLORREF kBorder = ui::RGB(185, 210, 107);
constexpr ui::COLORREF kFace = ui::RGB(161, 172, 128);
}  // namespace

CWndPopup::CWndPopup() : m_font(ControlFontSpec()) {}

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

void CWndPopup::OnCreate() {
    BuildItems();
    Redraw();
    move({m_left, m_top});
    show(ui::ShowCommand::show);
}

ui::Point CWndPopup::CursorInClient() const {
    return screenToClient(ui::cursorPos());
}

ui::LRESULT CWndPopup::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    ui::Point point = ui::pointFromParam(lParam);
    switch (message) {
        case ui::WM_CREATE:
            OnCreate();
            return 0;
        case ui::WM_NCHITTEST:
            return 1;  // HTCLIENT: the whole popup is client area
        case ui::WM_ERASEBKGND:
            return ui::TRUE;
        case ui::WM_PAINT:
            Redraw();
            validate();
            return 0;
        case ui::WM_MOUSEMOVE:
            if (!m_mouseTracked) {
                m_mouseTracked = trackMouseEvent(ui::TME_HOVER | ui::TME_LEAVE, kHoverMilliseconds);
            }
            if (!m_pressed && OnHover(point.x, point.y)) {
                Redraw();
            }
            return 0;
        case ui::WM_MOUSEHOVER: {
            ui::Point cursor = CursorInClient();
            OnHover(cursor.x, cursor.y);
            return 0;
        }
        case ui::WM_MOUSELEAVE: {
            m_mouseTracked = false;
            if (!m_pressed) {
                ui::Point cursor = CursorInClient();
                OnHover(cursor.x, cursor.y);
            }
            return 0;
        }
        case ui::WM_LBUTTONDOWN:
            m_pressed = true;
            setCapture();
            m_capturing = true;
            if (OnPress(point.x, point.y)) {
                Redraw();
                return 0;
            }
            return DefWindowProc(message, wParam, lParam);
        case ui::WM_LBUTTONUP:
            if (m_capturing) {
                ui::releaseCapture();
                m_capturing = false;
            }
            m_pressed = false;
            if (OnRelease(point.x, point.y)) {
                Redraw();
            }
            return DefWindowProc(message, wParam, lParam);
        case ui::WM_NCACTIVATE:
            if (wParam == ui::FALSE && m_owner) {
                if (ui::UINT closeMessage = CloseMessageOf(m_kind)) {
                    ui::SendMessage(m_owner, closeMessage, m_ownerControlId, m_kind);
                }
            }
            return ui::TRUE;
        case ui::WM_CLOSE:
            if (m_owner) {
                ui::SendMessage(m_owner, kClosedMessage, 0, 0);
            }
            return DefWindowProc(message, wParam, lParam);
        default:
            return DefWindowProc(message, wParam, lParam);
    }
}
