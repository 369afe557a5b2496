#include "platform/ui/qt/QtWindow.h"

#include <QCursor>
#include <QPixmap>
#include <QWindow>

#include "platform/ui/detail/GraphicsData.h"
#include "platform/ui/detail/QtConvert.h"
#include "platform/ui/detail/WindowState.h"

namespace ui::qt {

namespace {

Qt::WindowFlags flagsFor(const WindowOptions& options) {
    Qt::WindowFlags flags = Qt::FramelessWindowHint;
    if (options.toolWindow) {
        flags |= Qt::Tool;
    } else if (options.owner != nullptr) {
        flags |= Qt::Dialog;
    } else {
        flags |= Qt::Window;
    }
    if (options.topmost) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    if (!options.activate) {
        flags |= Qt::WindowDoesNotAcceptFocus;
    }
    return flags;
}

QWidget* widgetOf(Window* window) {
    if (window == nullptr || !window->state().native) {
        return nullptr;
    }
    return static_cast<QtWindow&>(*window->state().native).widget();
}

Qt::CursorShape shapeOf(Cursor cursor) {
    switch (cursor) {
        case Cursor::hand:
            return Qt::PointingHandCursor;
        case Cursor::wait:
            return Qt::WaitCursor;
        case Cursor::ibeam:
            return Qt::IBeamCursor;
        case Cursor::arrow:
            break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

QtWindow::QtWindow(Window& window) : activates_(window.state().options.activate) {
    const detail::WindowState& state = window.state();
    widget_ = new WindowWidget(window, widgetOf(state.options.owner), flagsFor(state.options));
    widget_->setGeometry(detail::toQRect(state.screenRect));
    widget_->setWindowTitle(detail::toQString(state.title));
    widget_->setCursor(shapeOf(state.cursor));
    if (!activates_) {
        widget_->setAttribute(Qt::WA_ShowWithoutActivating);
        widget_->setFocusPolicy(Qt::NoFocus);
    }
}

QtWindow::~QtWindow() {
    if (widget_) {
        widget_->detach();
        widget_->hide();
        // The widget may be inside one of its own event handlers right now.
        widget_->deleteLater();
    }
}

void QtWindow::setGeometry(const Rect& screenRect) {
    if (widget_ && widget_->geometry() != detail::toQRect(screenRect)) {
        widget_->setGeometry(detail::toQRect(screenRect));
    }
}

void QtWindow::setShown(bool visible, bool minimized, bool maximized, bool activate) {
    if (!widget_) {
        return;
    }
    if (!visible) {
        widget_->hide();
        return;
    }
    widget_->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    if (minimized) {
        widget_->showMinimized();
    } else if (maximized) {
        widget_->showMaximized();
    } else {
        widget_->showNormal();
    }
    if (activate) {
        widget_->raise();
        widget_->activateWindow();
    }
}

void QtWindow::setTitle(const std::string& title) {
    if (widget_) {
        widget_->setWindowTitle(detail::toQString(title));
    }
}

void QtWindow::setTopmost(bool topmost) {
    if (!widget_ || widget_->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) {
        return;
    }
    const bool wasVisible = widget_->isVisible();
    widget_->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (wasVisible) {
        widget_->show();  // changing the flags hides the window
    }
}

void QtWindow::setShape(const Region& shape) {
    if (!widget_) {
        return;
    }
    if (shape.isEmpty()) {
        widget_->clearMask();
    } else {
        widget_->setMask(shape.data().region);
    }
}

void QtWindow::setAlpha(int alpha) {
    if (widget_) {
        widget_->setWindowOpacity(alpha / 255.0);
    }
}

void QtWindow::setCursor(Cursor cursor) {
    if (widget_) {
        widget_->setCursor(shapeOf(cursor));
    }
}

void QtWindow::setIcon(const Image& icon) {
    if (widget_) {
        widget_->setWindowIcon(QPixmap::fromImage(icon.data().image));
    }
}

void QtWindow::present(const Rect& changed) {
    if (widget_) {
        widget_->update(detail::toQRect(changed));
    }
}

void QtWindow::grabMouse(bool grab) {
    if (!widget_ || !widget_->isVisible()) {
        return;
    }
    if (grab) {
        widget_->grabMouse();
    } else {
        widget_->releaseMouse();
    }
}

void QtWindow::activate() {
    if (widget_ && widget_->isVisible()) {
        widget_->raise();
        if (activates_) {
            widget_->activateWindow();
        }
    }
}

bool QtWindow::beginSystemMove() {
    return widget_ && widget_->windowHandle() != nullptr && widget_->windowHandle()->startSystemMove();
}

}  // namespace ui::qt
