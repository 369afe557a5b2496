#include "platform/ui/headless/HeadlessBackend.h"

#include "platform/core/DebugOutput.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Messages.h"
#include "platform/ui/detail/Dispatcher.h"
#include "platform/ui/detail/QtConvert.h"
#include "platform/ui/detail/WindowState.h"

namespace ui::headless {

namespace {

class HeadlessEdit final : public detail::NativeEdit {
public:
    void setText(const std::string&) override {}
    void setGeometry(const Rect&) override {}
    void setVisible(bool) override {}
    void setFocus() override {}
    void setColors(COLORREF, COLORREF) override {}
    void setFont(const Font&) override {}
    void setLimit(int) override {}
};

int firstButton(unsigned type) {
    switch (type & 0x0F) {
        case MB_YESNO:
        case MB_YESNOCANCEL:
            return IDYES;
        default:
            return IDOK;
    }
}

}  // namespace

HeadlessBackend::HeadlessBackend() {
    // Fonts and image decoding still come from Qt, without any display.
    detail::ensureQtApplication(false);
}

std::unique_ptr<detail::NativeWindow> HeadlessBackend::createWindow(Window& window) {
    return std::make_unique<HeadlessWindow>(window);
}

std::unique_ptr<detail::NativeEdit> HeadlessBackend::createEdit(EditControl&, Window&) {
    return std::make_unique<HeadlessEdit>();
}

bool HeadlessBackend::waitForEvents(std::optional<std::chrono::nanoseconds>, Window* modal) {
    if (modal == nullptr) {
        return false;  // nothing outside the program will ever wake the loop
    }
    const std::uint64_t run = modal->handle().value;
    if (!answered_.contains(run) && !modalAnswers.empty()) {
        answered_.insert(run);
        auto answer = std::move(modalAnswers.front());
        modalAnswers.pop_front();
        answer(*modal);
        return true;
    }
    if (!answered_.contains(run) && unansweredModal) {
        answered_.insert(run);
        unansweredModal(*modal);
        return true;
    }
    core::debugOutput("headless: a modal run had nothing more to do and was cancelled");
    modal->endModal(IDCANCEL);
    return true;
}

Point HeadlessBackend::cursorPos() const {
    detail::Dispatcher* dispatcher = detail::Dispatcher::current();
    return dispatcher ? dispatcher->input().cursor() : Point{};
}

int HeadlessBackend::messageBox(Window*, const std::string& text, const std::string& caption, unsigned type) {
    shownMessageBoxes.push_back({caption, text, type});
    if (messageBoxAnswers.empty()) {
        return firstButton(type);
    }
    const int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

std::optional<std::string> HeadlessBackend::fileDialog(const FileDialogOptions& options) {
    shownFileDialogs.push_back(options);
    if (fileDialogAnswers.empty()) {
        return std::nullopt;
    }
    auto answer = fileDialogAnswers.front();
    fileDialogAnswers.pop_front();
    return answer;
}

std::optional<UINT> HeadlessBackend::trackPopupMenu(const PopupMenu& menu, Point screen, Window& owner,
                                                    unsigned flags) {
    shownPopupMenus.push_back({menu, screen, owner.handle(), flags});
    if (popupMenuAnswers.empty()) {
        return std::nullopt;
    }
    const std::optional<UINT> answer = popupMenuAnswers.front();
    popupMenuAnswers.pop_front();
    if (answer && !menu.offers(*answer)) {
        core::debugOutput("headless: the popup menu has no enabled item for the scripted command; dismissed");
        return std::nullopt;
    }
    return answer;
}

HeadlessWindow::HeadlessWindow(Window& window) : window_(window) {
    const detail::WindowState& state = window.state();
    record.screenRect = state.screenRect;
    record.title = state.title;
    record.topmost = state.topmost;
    record.toolWindow = state.options.toolWindow;
    record.activates = state.options.activate;
    record.cursor = state.cursor;
}

void HeadlessWindow::setShown(bool visible, bool minimized, bool maximized, bool activateIt) {
    record.visible = visible;
    record.minimized = minimized;
    record.maximized = maximized;
    if (visible && activateIt) {
        activate();
    }
}

void HeadlessWindow::activate() {
    if (window_.isVisible() && window_.isEnabled() && window_.state().options.activate) {
        detail::Dispatcher::current()->input().activated(window_);
    }
}

bool HeadlessWindow::beginSystemMove() {
    ++record.systemMoves;
    return false;  // the layer follows the pointer itself
}

}  // namespace ui::headless
