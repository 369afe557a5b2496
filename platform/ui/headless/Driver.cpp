#include "platform/ui/headless/Driver.h"

#include <algorithm>

#include "platform/ui/DeviceContext.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Messages.h"
#include "platform/ui/detail/Dispatcher.h"
#include "platform/ui/detail/EditState.h"
#include "platform/ui/detail/WindowState.h"
#include "platform/ui/headless/HeadlessBackend.h"

namespace ui::headless {

namespace {

detail::Dispatcher& dispatcher() {
    return *detail::Dispatcher::current();
}

HeadlessBackend& backend() {
    return static_cast<HeadlessBackend&>(dispatcher().backend());
}

bool hits(const Window& window, Point screen) {
    if (!window.isVisible() || window.isMinimized() || !window.windowRect().contains(screen)) {
        return false;
    }
    const Region& shape = window.shape();
    return shape.isEmpty() || shape.contains(window.screenToClient(screen));
}

// The window the pointer is over: the aimed one when the point lies on it,
// otherwise the uppermost other window there.
Window* windowAt(Window& aimed, Point screen) {
    if (hits(aimed, screen)) {
        return &aimed;
    }
    std::vector<Window*> windows = dispatcher().windows();
    std::stable_partition(windows.begin(), windows.end(), [](Window* w) { return !w->isTopmost(); });
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (hits(**it, screen)) {
            return *it;
        }
    }
    return nullptr;
}

detail::MouseButton toMouseButton(Button button) {
    return button == Button::left ? detail::MouseButton::left : detail::MouseButton::right;
}

EditControl* focusedEdit() {
    for (Window* window : dispatcher().windows()) {
        for (EditControl* edit : window->state().edits) {
            if (edit->hasFocus() && edit->isVisible()) {
                return edit;
            }
        }
    }
    return nullptr;
}

// The visible edit field of `window` under a point of its client area.
EditControl* editAt(Window& window, Point client) {
    for (EditControl* edit : window.state().edits) {
        if (edit->isVisible() && edit->rect().contains(client)) {
            return edit;
        }
    }
    return nullptr;
}

std::string withoutLastCharacter(std::string text) {
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((byte & 0xC0) != 0x80) {
            break;
        }
    }
    return text;
}

std::size_t characterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// A layered window's pixel over what lies below it, as the desktop's compositor mixes them.
Argb blend(Argb top, Argb below, int alpha) {
    if (alpha >= 255) {
        return top | 0xFF000000u;
    }
    Argb mixed = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const int channel = (static_cast<int>((top >> shift) & 0xFF) * alpha +
                             static_cast<int>((below >> shift) & 0xFF) * (255 - alpha) + 127) /
                            255;
        mixed |= static_cast<Argb>(channel) << shift;
    }
    return mixed;
}

}  // namespace

std::vector<Window*> visibleWindowsBottomToTop() {
    std::vector<Window*> result;
    for (Window* window : dispatcher().windows()) {
        if (window->isVisible()) {
            result.push_back(window);
        }
    }
    std::stable_partition(result.begin(), result.end(), [](Window* w) { return !w->isTopmost(); });
    return result;
}

Image composeDesktop(const Rect& screenArea) {
    Image picture(std::max(0, screenArea.width()), std::max(0, screenArea.height()), 0xFF404040u);
    for (const Window* window : visibleWindowsBottomToTop()) {
        const Rect placed = window->windowRect();
        const Rect shown = placed.intersected(screenArea);
        const Image& surface = window->surface();
        const Region& shape = window->shape();
        for (int y = shown.top; y < shown.bottom; ++y) {
            for (int x = shown.left; x < shown.right; ++x) {
                const Point client{x - placed.left, y - placed.top};
                if (shape.isEmpty() || shape.contains(client)) {
                    const Point at{x - screenArea.left, y - screenArea.top};
                    picture.setPixel(at.x, at.y, blend(surface.pixel(client.x, client.y),
                                                       picture.pixel(at.x, at.y), window->alpha()));
                }
            }
        }
    }
    return picture;
}

Driver::Driver() : session_(Backend::headless) {
    core::installClock(&clock_);
}

Driver::~Driver() {
    core::installClock(nullptr);
}

void Driver::mouseMove(Window& window, Point client) {
    const Point screen = window.clientToScreen(client);
    dispatcher().input().pointerMoved(windowAt(window, screen), screen);
    runUntilIdle();
}

// A press on an edit field gives it the focus, as on the desktop; the window
// still hears of the press, as a window that watches its messages would.
void Driver::mouseDown(Window& window, Point client, Button button) {
    const Point screen = window.clientToScreen(client);
    Window* target = windowAt(window, screen);
    if (EditControl* edit = target ? editAt(*target, target->screenToClient(screen)) : nullptr) {
        detail::editFocusChanged(*edit, true);
    }
    dispatcher().input().buttonPressed(target, screen, toMouseButton(button));
    runUntilIdle();
}

void Driver::mouseUp(Window& window, Point client, Button button) {
    const Point screen = window.clientToScreen(client);
    dispatcher().input().buttonReleased(windowAt(window, screen), screen, toMouseButton(button));
    runUntilIdle();
}

void Driver::click(Window& window, Point client) {
    const WindowHandle handle = window.handle();
    mouseMove(window, client);
    if (dispatcher().find(handle) != nullptr) {
        mouseDown(window, client);
    }
    if (dispatcher().find(handle) != nullptr) {
        mouseUp(window, client);
    }
}

void Driver::wheel(Window& window, Point client, int delta) {
    const Point screen = window.clientToScreen(client);
    dispatcher().input().wheel(windowAt(window, screen), screen, delta);
    runUntilIdle();
}

void Driver::mouseAway() {
    dispatcher().input().pointerMoved(nullptr, {-10000, -10000});
    runUntilIdle();
}

void Driver::keyDown(Window& window, int virtualKey) {
    if (!dispatcher().input().key(window, WM_KEYDOWN, virtualKey) && virtualKey == VK_BACK) {
        if (EditControl* edit = focusedEdit()) {
            detail::editChangedByUser(*edit, withoutLastCharacter(edit->text()));
        }
    }
    runUntilIdle();
}

void Driver::keyUp(Window& window, int virtualKey) {
    dispatcher().input().key(window, WM_KEYUP, virtualKey);
    runUntilIdle();
}

void Driver::desktopKey(Window& window, const DesktopKey& key) {
    dispatcher().input().key(window, key.released ? WM_KEYUP : WM_KEYDOWN, key.virtualKey,
                             detail::KeyOrigin{key.xKeycode, key.autoRepeat});
    runUntilIdle();
}

void Driver::typeText(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) {
            ++length;
        }
        EditControl* edit = focusedEdit();
        if (edit == nullptr) {
            return;
        }
        const int limit = edit->state().limit;
        if (limit == 0 || characterCount(edit->text()) < static_cast<std::size_t>(limit)) {
            detail::editChangedByUser(*edit, edit->text() + text.substr(i, length));
        }
        runUntilIdle();
        i += length;
    }
}

void Driver::activate(Window& window) {
    window.state().native->activate();
    runUntilIdle();
}

void Driver::focusAway() {
    if (Window* active = dispatcher().input().active()) {
        dispatcher().input().deactivated(*active);
    }
    runUntilIdle();
}

void Driver::advance(std::chrono::milliseconds duration) {
    const auto target = clock_.now() + duration;
    for (;;) {
        runUntilIdle();
        const auto next = dispatcher().nextDeadline();
        if (!next || *next > target) {
            break;
        }
        if (*next > clock_.now()) {
            clock_.advance(*next - clock_.now());
        }
    }
    if (clock_.now() < target) {
        clock_.advance(target - clock_.now());
    }
    runUntilIdle();
}

void Driver::runUntilIdle() {
    dispatcher().runUntilIdle();
}

bool Driver::waitForPosted(std::chrono::milliseconds timeout) {
    const bool arrived = dispatcher().waitForPosted(timeout);
    runUntilIdle();
    return arrived;
}

void Driver::answerModal(std::function<void(Window& dialog)> answer) {
    backend().modalAnswers.push_back(std::move(answer));
}

void Driver::onUnansweredModal(std::function<void(Window& dialog)> handler) {
    backend().unansweredModal = std::move(handler);
}

void Driver::answerMessageBox(int result) {
    backend().messageBoxAnswers.push_back(result);
}

void Driver::answerFileDialog(std::optional<std::string> path) {
    backend().fileDialogAnswers.push_back(std::move(path));
}

const std::vector<ShownMessageBox>& Driver::messageBoxes() const {
    return backend().shownMessageBoxes;
}

const std::vector<FileDialogOptions>& Driver::fileDialogs() const {
    return backend().shownFileDialogs;
}

void Driver::answerColorDialog(std::optional<COLORREF> color) {
    backend().colorDialogAnswers.push_back(color);
}

const std::vector<ColorDialogOptions>& Driver::colorDialogs() const {
    return backend().shownColorDialogs;
}

void Driver::answerPopupMenu(std::optional<UINT> command) {
    backend().popupMenuAnswers.push_back(command);
}

const std::vector<ShownPopupMenu>& Driver::popupMenus() const {
    return backend().shownPopupMenus;
}

std::vector<TrayIconRecord> Driver::trayIcons() const {
    std::vector<TrayIconRecord> result;
    for (const detail::TrayIconEntry& entry : dispatcher().trayIcons().entries()) {
        result.push_back({entry.data, entry.picture});
    }
    return result;
}

bool Driver::clickTrayIcon(UINT id, UINT mouseMessage) {
    const auto& entries = dispatcher().trayIcons().entries();
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const detail::TrayIconEntry& entry) { return entry.data.id == id; });
    if (it == entries.end()) {
        return false;
    }
    dispatcher().trayIcons().notify(it->data.owner, id, mouseMessage);
    runUntilIdle();
    return true;
}

const WindowRecord& Driver::record(const Window& window) const {
    static const WindowRecord none;
    const auto* native = static_cast<const HeadlessWindow*>(window.state().native.get());
    return native ? native->record : none;
}

// The window's picture with its edit fields over it, drawn as the desktop
// would draw them: their colours, their font, their text.
Image Driver::surface(const Window& window) const {
    Image picture = window.surface();
    DeviceContext dc(picture);
    dc.setBkMode(BkMode::transparent);
    for (const EditControl* edit : window.state().edits) {
        if (!edit->isVisible()) {
            continue;
        }
        const detail::EditState& state = edit->state();
        dc.fillRect(state.rect, state.background);
        dc.setTextColor(state.textColor);
        dc.setFont(state.font);
        const Rect inside{state.rect.left + 2, state.rect.top, state.rect.right - 2, state.rect.bottom};
        dc.drawText(state.text, inside, DT_SINGLELINE | DT_VCENTER);
    }
    return picture;
}

bool Driver::saveSurface(const Window& window, const std::string& path) const {
    return surface(window).savePng(path);
}


Image Driver::desktop(const Rect& screenArea) const {
    return composeDesktop(screenArea);
}

std::vector<Window*> Driver::visibleWindows() const {
    return visibleWindowsBottomToTop();
}

void Driver::setWorkArea(const Rect& area) {
    backend().workArea_ = area;
}

void Driver::setScreenRect(const Rect& screen) {
    backend().screenRect_ = screen;
}

}  // namespace ui::headless
