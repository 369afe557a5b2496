#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/detail/BackendImpl.h"
#include "platform/ui/headless/Driver.h"

namespace ui::headless {

// No native windows: every window is recorded as a desktop would show it, and
// modal runs, message boxes, file dialogs and popup menus take the answers a test scripted.
class HeadlessBackend final : public detail::BackendImpl {
public:
    HeadlessBackend();

    Backend kind() const override { return Backend::headless; }
    std::unique_ptr<detail::NativeWindow> createWindow(Window& window) override;
    std::unique_ptr<detail::NativeEdit> createEdit(EditControl& edit, Window& parent) override;
    bool waitForEvents(std::optional<std::chrono::nanoseconds> deadline, Window* modal) override;
    void wake() override {}
    void processNativeEvents() override {}
    Point cursorPos() const override;
    Rect workArea() const override { return workArea_; }
    Rect screenRect() const override { return screenRect_; }
    Image grabScreen(const Rect& screen) const override;
    int messageBox(Window* owner, const std::string& text, const std::string& caption,
                   unsigned type) override;
    std::optional<std::string> fileDialog(const FileDialogOptions& options) override;
    std::optional<COLORREF> colorDialog(const ColorDialogOptions& options) override;
    std::unique_ptr<detail::NativeTrayIcon> createTrayIcon(Window&, UINT) override { return nullptr; }
    std::optional<UINT> trackPopupMenu(const PopupMenu& menu, Point screen, Window& owner,
                                       unsigned flags) override;
    std::unique_ptr<detail::NativeSound> createSound() override { return nullptr; }
    bool hasAudioOutput() const override { return false; }

    std::deque<std::function<void(Window&)>> modalAnswers;
    std::function<void(Window&)> unansweredModal;
    std::deque<int> messageBoxAnswers;
    std::deque<std::optional<std::string>> fileDialogAnswers;
    std::vector<ShownMessageBox> shownMessageBoxes;
    std::vector<FileDialogOptions> shownFileDialogs;
    std::deque<std::optional<UINT>> popupMenuAnswers;
    std::vector<ShownPopupMenu> shownPopupMenus;
    std::deque<std::optional<COLORREF>> colorDialogAnswers;
    std::vector<ColorDialogOptions> shownColorDialogs;
    Rect workArea_{0, 0, 1920, 1040};
    Rect screenRect_{0, 0, 1920, 1080};

private:
    std::set<std::uint64_t> answered_;
};

// The record kept for one window.
class HeadlessWindow final : public detail::NativeWindow {
public:
    explicit HeadlessWindow(Window& window);

    void setGeometry(const Rect& screenRect) override { record.screenRect = screenRect; }
    void setShown(bool visible, bool minimized, bool maximized, bool activate) override;
    void setTitle(const std::string& title) override { record.title = title; }
    void setTopmost(bool topmost) override { record.topmost = topmost; }
    void setShape(const Region& shape) override { record.shape = shape; }
    void setAlpha(int alpha) override { record.alpha = alpha; }
    void setCursor(Cursor cursor) override { record.cursor = cursor; }
    void setIcon(const Image&) override {}
    void present(const Rect&) override { ++record.presents; }
    void grabMouse(bool) override {}
    void activate() override;
    bool beginSystemMove() override;

    WindowRecord record;

private:
    Window& window_;
};

}  // namespace ui::headless
