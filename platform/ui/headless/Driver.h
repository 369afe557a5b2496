#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Clock.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Image.h"
#include "platform/ui/PopupMenu.h"
#include "platform/ui/Region.h"
#include "platform/ui/Session.h"
#include "platform/ui/TrayIcon.h"
#include "platform/ui/Window.h"

namespace ui::headless {

enum class Button { left, right };

// What the headless backend was told about a window, as a desktop would show it.
struct WindowRecord {
    Rect screenRect;
    std::string title;
    bool visible = false;
    bool minimized = false;
    bool maximized = false;
    bool topmost = false;
    bool toolWindow = false;
    bool activates = true;  // false: never becomes the active window
    int alpha = 255;
    Region shape;  // empty: the whole rectangle
    Cursor cursor = Cursor::arrow;
    int systemMoves = 0;  // drags started by the system move
    int presents = 0;     // times painted pixels were shown
};

struct ShownMessageBox {
    std::string caption;
    std::string text;
    unsigned type = 0;
};

struct ShownPopupMenu {
    PopupMenu menu;
    Point screen;
    WindowHandle owner;
    unsigned flags = 0;
};

struct TrayIconRecord {
    TrayIconData data;
    Image picture;  // the resource's picture, or the plain stand-in
};

// A key as a desktop toolkit reports it: the code the window is told, the
// X keycode of the physical key, and whether the desktop repeats a held key.
struct DesktopKey {
    int virtualKey = 0;
    unsigned xKeycode = 0;
    bool released = false;
    bool autoRepeat = false;
};

// Runs a headless UI session on a virtual clock for tests and scripted runs.
// Input goes in at a window's client coordinates; after each injected event the
// queue runs until idle, so the effects are visible when the call returns.
class Driver {
public:
    Driver();
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    core::VirtualClock& clock() { return clock_; }

    void mouseMove(Window& window, Point client);
    void mouseDown(Window& window, Point client, Button button = Button::left);
    void mouseUp(Window& window, Point client, Button button = Button::left);
    void click(Window& window, Point client);  // move, down, up
    void wheel(Window& window, Point client, int delta);
    void mouseAway();  // the pointer leaves every window
    void keyDown(Window& window, int virtualKey);
    void keyUp(Window& window, int virtualKey);
    void desktopKey(Window& window, const DesktopKey& key);
    void typeText(const std::string& text);  // into the focused edit control
    void activate(Window& window);
    // Another program's window takes the focus: none of ours is active.
    void focusAway();

    // Moves the virtual time on, firing timers and hovers at their moments.
    void advance(std::chrono::milliseconds duration);
    void runUntilIdle();
    // Waits (real time) until a message posted from another thread has arrived,
    // then runs until idle. False when nothing came in time.
    bool waitForPosted(std::chrono::milliseconds timeout);

    // Answers of the next modal runs, in order: the function runs once the
    // dialog is shown and idle. A modal run without an answer ends with IDCANCEL.
    void answerModal(std::function<void(Window& dialog)> answer);
    // Called instead of the default for a modal run that finds no answer queued
    // (an empty function restores the default, cancelling it).
    void onUnansweredModal(std::function<void(Window& dialog)> handler);
    void answerMessageBox(int result);                       // default without an answer: IDOK
    void answerFileDialog(std::optional<std::string> path);  // default: cancelled
    const std::vector<ShownMessageBox>& messageBoxes() const;
    const std::vector<FileDialogOptions>& fileDialogs() const;
    void answerColorDialog(std::optional<COLORREF> color);  // default: cancelled
    const std::vector<ColorDialogOptions>& colorDialogs() const;
    // The command the next popup menu chooses; default without an answer: dismissed.
    void answerPopupMenu(std::optional<UINT> command);
    const std::vector<ShownPopupMenu>& popupMenus() const;

    std::vector<TrayIconRecord> trayIcons() const;  // in the order they were added
    // Mouse input on the first icon with this id: its callback goes to the owner
    // and the queue runs until idle. False when there is no such icon.
    bool clickTrayIcon(UINT id, UINT mouseMessage);

    const WindowRecord& record(const Window& window) const;
    Image surface(const Window& window) const;
    bool saveSurface(const Window& window, const std::string& path) const;
    // What the screen shows in an area: every visible window's surface within
    // its shape, bottom to top, over a dark grey desktop; layered windows are
    // mixed with what lies below them by their alpha.
    Image desktop(const Rect& screenArea) const;
    std::vector<Window*> visibleWindows() const;  // bottom to top
    void setWorkArea(const Rect& area);
    void setScreenRect(const Rect& screen);  // 1920 x 1080 unless set

private:
    core::VirtualClock clock_;
    Session session_;
};

}  // namespace ui::headless
