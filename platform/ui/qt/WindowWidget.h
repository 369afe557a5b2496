#pragma once

#include <QWidget>

#include "platform/ui/Window.h"

namespace ui::qt {

// The desktop window of one ui::Window: shows the window's surface and hands
// Qt's events to the layer's input handling.
class WindowWidget final : public QWidget {
public:
    WindowWidget(Window& window, QWidget* ownerWidget, Qt::WindowFlags flags);

    // The ui::Window is gone; events that still arrive are dropped.
    void detach() { window_ = nullptr; }
    Window* window() const { return window_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void forwardKey(UINT message, const QKeyEvent& event);

    Window* window_;
};

// The ui::Window below a screen point, or null.
Window* windowAt(const QPoint& global);
// Qt key code to the virtual-key code the windows handle (0 when there is none).
int virtualKeyOf(int qtKey);

}  // namespace ui::qt
