#include "platform/ui/Messaging.h"

#include "platform/ui/Window.h"
#include "platform/ui/detail/Dispatcher.h"

namespace ui {

using detail::Dispatcher;

LRESULT SendMessage(Window* target, UINT message, WPARAM wParam, LPARAM lParam) {
    if (target == nullptr) {
        return 0;
    }
    Dispatcher* dispatcher = Dispatcher::current();
    if (dispatcher != nullptr && !dispatcher->onWindowThread()) {
        return dispatcher->sendFromOtherThread(target->handle(), message, wParam, lParam);
    }
    return target->WindowProc(message, wParam, lParam);
}

LRESULT SendMessage(WindowHandle target, UINT message, WPARAM wParam, LPARAM lParam) {
    Dispatcher* dispatcher = Dispatcher::current();
    if (dispatcher == nullptr) {
        return 0;
    }
    if (!dispatcher->onWindowThread()) {
        return dispatcher->sendFromOtherThread(target, message, wParam, lParam);
    }
    Window* window = dispatcher->find(target);
    return window ? window->WindowProc(message, wParam, lParam) : 0;
}

bool PostMessage(WindowHandle target, UINT message, WPARAM wParam, LPARAM lParam) {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher != nullptr && dispatcher->post(target, message, wParam, lParam);
}

bool PostMessage(Window* target, UINT message, WPARAM wParam, LPARAM lParam) {
    return target != nullptr && PostMessage(target->handle(), message, wParam, lParam);
}

Window* windowFromHandle(WindowHandle handle) {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher ? dispatcher->find(handle) : nullptr;
}

bool isWindow(WindowHandle handle) {
    return windowFromHandle(handle) != nullptr;
}

int runMessageLoop() {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher ? dispatcher->runMessageLoop() : -1;
}

void postQuitMessage(int exitCode) {
    if (Dispatcher* dispatcher = Dispatcher::current()) {
        dispatcher->postQuit(exitCode);
    }
}

void releaseCapture() {
    if (Dispatcher* dispatcher = Dispatcher::current()) {
        dispatcher->input().releaseCapture();
    }
}

Window* captureWindow() {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher ? dispatcher->input().capture() : nullptr;
}

Window* activeWindow() {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher ? dispatcher->input().active() : nullptr;
}

Point cursorPos() {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher ? dispatcher->backend().cursorPos() : Point{};
}

Rect workArea() {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher ? dispatcher->backend().workArea() : Rect{0, 0, 1920, 1040};
}

Rect screenRect() {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher ? dispatcher->backend().screenRect() : Rect{0, 0, 1920, 1080};
}

Image grabScreen(const Rect& screen) {
    Dispatcher* dispatcher = Dispatcher::current();
    return dispatcher ? dispatcher->backend().grabScreen(screen) : Image();
}

void processMessages() {
    if (Dispatcher* dispatcher = Dispatcher::current()) {
        dispatcher->backend().processNativeEvents();
        dispatcher->runUntilIdle();
    }
}

std::chrono::milliseconds doubleClickTime() {
    return std::chrono::milliseconds(500);
}

}  // namespace ui
