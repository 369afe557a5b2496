#pragma once

#include <chrono>

#include "platform/ui/Image.h"
#include "platform/ui/Types.h"
#include "platform/ui/WindowHandle.h"

// Messages between windows and the services that do not belong to one window.
namespace ui {

class Window;

// Calls the target's WindowProc at once. From another thread the call is
// carried to the window thread and waits for the result. 0 when the target is gone.
LRESULT SendMessage(Window* target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
LRESULT SendMessage(WindowHandle target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Queues the message; safe from any thread. False when the target is gone or no session runs.
bool PostMessage(WindowHandle target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
bool PostMessage(Window* target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The window of a handle, or null; window thread only.
Window* windowFromHandle(WindowHandle handle);
bool isWindow(WindowHandle handle);

// Runs the message loop until postQuitMessage; returns its exit code.
int runMessageLoop();
void postQuitMessage(int exitCode);
// Hands out everything queued now (messages, paints, due timers) and returns.
void processMessages();

void releaseCapture();
Window* captureWindow();
Window* activeWindow();

// Pointer position in screen coordinates.
Point cursorPos();
// The screen without the task bar.
Rect workArea();
// The whole primary screen.
Rect screenRect();
// What the screen shows inside the rectangle: read back from the display on the
// desktop, the visible windows' surfaces stacked headless.
Image grabScreen(const Rect& screen);
// Two presses within this time and a few pixels make a double click.
std::chrono::milliseconds doubleClickTime();

}  // namespace ui
