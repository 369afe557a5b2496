#pragma once

#include <QPointer>

#include "platform/ui/detail/NativeWindow.h"
#include "platform/ui/qt/WindowWidget.h"

namespace ui::qt {

// Mirrors one ui::Window on a WindowWidget.
class QtWindow final : public detail::NativeWindow {
public:
    explicit QtWindow(Window& window);
    ~QtWindow() override;

    void setGeometry(const Rect& screenRect) override;
    void setShown(bool visible, bool minimized, bool maximized, bool activate) override;
    void setTitle(const std::string& title) override;
    void setTopmost(bool topmost) override;
    void setShape(const Region& shape) override;
    void setAlpha(int alpha) override;
    void setCursor(Cursor cursor) override;
    void setIcon(const Image& icon) override;
    void present(const Rect& changed) override;
    void grabMouse(bool grab) override;
    void activate() override;
    bool beginSystemMove() override;

    QWidget* widget() const { return widget_; }

private:
    QPointer<WindowWidget> widget_;
    bool activates_;
};

}  // namespace ui::qt
