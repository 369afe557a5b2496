#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/ColorDialog.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/PopupMenu.h"
#include "platform/ui/Session.h"
#include "platform/ui/Window.h"
#include "platform/ui/detail/NativeEdit.h"
#include "platform/ui/detail/NativeSound.h"
#include "platform/ui/detail/NativeTrayIcon.h"
#include "platform/ui/detail/NativeWindow.h"

namespace ui {
class EditControl;
}

namespace ui::detail {

// One backend: the desktop (qt) or none (headless).
class BackendImpl {
public:
    virtual ~BackendImpl() = default;

    virtual Backend kind() const = 0;
    virtual std::unique_ptr<NativeWindow> createWindow(Window& window) = 0;
    virtual std::unique_ptr<NativeEdit> createEdit(EditControl& edit, Window& parent) = 0;

    // Nothing is left to do in the loop: wait for native events or the deadline
    // (clock time). Returns false when nothing can ever happen again (headless),
    // so a loop that waits for more must end.
    virtual bool waitForEvents(std::optional<std::chrono::nanoseconds> deadline, Window* modal) = 0;
    // Hands out the native events waiting now, without waiting for more.
    virtual void processNativeEvents() = 0;
    // Any thread: a message was posted.
    virtual void wake() = 0;

    virtual Point cursorPos() const = 0;
    virtual Rect workArea() const = 0;
    virtual Rect screenRect() const = 0;  // the whole primary screen
    virtual Image grabScreen(const Rect& screen) const = 0;
    virtual int messageBox(Window* owner, const std::string& text, const std::string& caption,
                           unsigned type) = 0;
    virtual std::optional<std::string> fileDialog(const FileDialogOptions& options) = 0;
    virtual std::optional<COLORREF> colorDialog(const ColorDialogOptions& options) = 0;
    // Null when the backend has nothing to show; the shared list keeps the icon anyway.
    virtual std::unique_ptr<NativeTrayIcon> createTrayIcon(Window& owner, UINT id) = 0;
    // Null when nothing can sound (headless, no output device): playing is then simulated.
    virtual std::unique_ptr<NativeSound> createSound() = 0;
    virtual bool hasAudioOutput() const = 0;
    // The command of the item chosen, or nothing when the menu was dismissed.
    virtual std::optional<UINT> trackPopupMenu(const PopupMenu& menu, Point screen, Window& owner,
                                               unsigned flags) = 0;
};

}  // namespace ui::detail
