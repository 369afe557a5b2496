#include "platform/ui/qt/WindowWidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/ui/Messaging.h"
#include "platform/ui/detail/Dispatcher.h"
#include "platform/ui/detail/GraphicsData.h"
#include "platform/ui/detail/WindowState.h"

namespace ui::qt {

namespace {

detail::Input* input() {
    detail::Dispatcher* dispatcher = detail::Dispatcher::current();
    return dispatcher ? &dispatcher->input() : nullptr;
}

Point screenPoint(const QPointF& global) {
    const QPoint p = global.toPoint();
    return {p.x(), p.y()};
}

std::optional<detail::MouseButton> buttonOf(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        return detail::MouseButton::left;
    }
    if (button == Qt::RightButton) {
        return detail::MouseButton::right;
    }
    return std::nullopt;
}

}  // namespace

Window* windowAt(const QPoint& global) {
    QWidget* widget = QApplication::widgetAt(global);
    auto* top = widget ? dynamic_cast<WindowWidget*>(widget->window()) : nullptr;
    return top ? top->window() : nullptr;
}

int virtualKeyOf(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return key;  // the same codes as the virtual keys
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return 0x70 + (key - Qt::Key_F1);
    }
    switch (key) {
        case Qt::Key_Backspace:
            return VK_BACK;
        case Qt::Key_Tab:
            return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Shift:
            return VK_SHIFT;
        case Qt::Key_Control:
            return VK_CONTROL;
        case Qt::Key_Alt:
            return VK_MENU;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Delete:
            return VK_DELETE;
        default:
            return 0;
    }
}

WindowWidget::WindowWidget(Window& window, QWidget* ownerWidget, Qt::WindowFlags flags)
    : QWidget(ownerWidget, flags), window_(&window) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void WindowWidget::paintEvent(QPaintEvent* event) {
    if (window_ == nullptr) {
        return;
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(event->rect(), window_->surface().data().image, event->rect());
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event) {
    if (window_ != nullptr && input() != nullptr) {
        const Point screen = screenPoint(event->globalPosition());
        input()->pointerMoved(windowAt(event->globalPosition().toPoint()), screen);
    }
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    const auto button = buttonOf(event->button());
    if (window_ != nullptr && input() != nullptr && button) {
        input()->buttonPressed(windowAt(event->globalPosition().toPoint()),
                               screenPoint(event->globalPosition()), *button);
    }
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
    const auto button = buttonOf(event->button());
    if (window_ != nullptr && input() != nullptr && button) {
        input()->buttonReleased(windowAt(event->globalPosition().toPoint()),
                                screenPoint(event->globalPosition()), *button);
    }
}

// The layer tells double clicks apart itself, from the time between presses.
void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void WindowWidget::wheelEvent(QWheelEvent* event) {
    if (window_ != nullptr && input() != nullptr) {
        input()->wheel(windowAt(event->globalPosition().toPoint()), screenPoint(event->globalPosition()),
                       event->angleDelta().y());
    }
}

void WindowWidget::leaveEvent(QEvent*) {
    if (window_ != nullptr && input() != nullptr) {
        input()->pointerLeft(*window_);
    }
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    forwardKey(WM_KEYDOWN, *event);
}

void WindowWidget::keyReleaseEvent(QKeyEvent* event) {
    forwardKey(WM_KEYUP, *event);
}

// The desktop's keycode goes along, so the keyboard hook can tell the physical
// key (left from right, keypad from the main block) even where Qt cannot.
void WindowWidget::forwardKey(UINT message, const QKeyEvent& event) {
    const int key = virtualKeyOf(event.key());
    const detail::KeyOrigin origin{event.nativeScanCode(), event.isAutoRepeat()};
    if (window_ != nullptr && input() != nullptr && (key != 0 || origin.nativeKeycode != 0)) {
        input()->key(*window_, message, key, origin);
    }
}

void WindowWidget::moveEvent(QMoveEvent* event) {
    // Moved by the desktop (the system move): the layer follows.
    if (window_ != nullptr) {
        const Rect r = window_->windowRect();
        window_->setWindowRect(rectAt(event->pos().x(), event->pos().y(), r.width(), r.height()));
    }
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // The desktop's close button: the window decides in its WM_CLOSE.
    event->ignore();
    if (window_ != nullptr) {
        PostMessage(window_->handle(), WM_CLOSE, 0, 0);
    }
}

bool WindowWidget::event(QEvent* event) {
    if (window_ != nullptr && input() != nullptr) {
        if (event->type() == QEvent::WindowActivate) {
            input()->activated(*window_);
        } else if (event->type() == QEvent::WindowDeactivate) {
            input()->deactivated(*window_);
        }
    }
    return QWidget::event(event);
}

}  // namespace ui::qt
