#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

#include "platform/ui/detail/BackendImpl.h"

namespace ui::qt {

// Real top-level windows through Qt Widgets; timers on the real clock.
class QtBackend final : public detail::BackendImpl {
public:
    QtBackend();
    ~QtBackend() override;

    Backend kind() const override { return Backend::qt; }
    std::unique_ptr<detail::NativeWindow> createWindow(Window& window) override;
    std::unique_ptr<detail::NativeEdit> createEdit(EditControl& edit, Window& parent) override;
    bool waitForEvents(std::optional<std::chrono::nanoseconds> deadline, Window* modal) override;
    void wake() override;
    void processNativeEvents() override;
    Point cursorPos() const override;
    Rect workArea() const override;
    Rect screenRect() const override;
    Image grabScreen(const Rect& screen) const override;
    int messageBox(Window* owner, const std::string& text, const std::string& caption,
                   unsigned type) override;
    std::optional<std::string> fileDialog(const FileDialogOptions& options) override;
    std::optional<COLORREF> colorDialog(const ColorDialogOptions& options) override;
    std::unique_ptr<detail::NativeTrayIcon> createTrayIcon(Window& owner, UINT id) override;
    std::optional<UINT> trackPopupMenu(const PopupMenu& menu, Point screen, Window& owner,
                                       unsigned flags) override;
    std::unique_ptr<detail::NativeSound> createSound() override;
    bool hasAudioOutput() const override;

private:
    std::unique_ptr<QObject> waker_;
    QTimer deadlineTimer_;
    bool toldNoTray_ = false;
};

}  // namespace ui::qt
