#include "platform/ui/Dialog.h"

namespace ui {

Dialog::Dialog(Window* owner) : owner_(owner) {
    options_.rect = rectAt(0, 0, 100, 100);
    options_.doubleClicks = true;
}

bool Dialog::createWindow() {
    options_.owner = owner_;
    options_.visible = false;
    if (!create(options_)) {
        return false;
    }
    const WindowHandle self = handle();
    WindowProc(WM_INITDIALOG, 0, 0);
    if (exists() && handle() == self && !isVisible()) {
        show(ShowCommand::show);
    }
    return exists();
}

int Dialog::DoModal() {
    modal_ = true;
    if (!createWindow()) {
        modal_ = false;
        return -1;
    }
    const int result = runModal();
    modal_ = false;
    destroy();
    return result;
}

bool Dialog::Create(Window* owner) {
    owner_ = owner;
    modal_ = false;
    return createWindow();
}

void Dialog::EndDialog(int result) {
    if (modal_) {
        endModal(result);
    } else {
        show(ShowCommand::hide);
    }
}

LRESULT Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_CLOSE:
            if (modal_) {
                OnCancel();
                return 0;
            }
            break;
        case WM_COMMAND:
            if (loWord(wParam) == IDOK && hiWord(wParam) == 0) {
                OnOK();
                return 0;
            }
            if (loWord(wParam) == IDCANCEL && hiWord(wParam) == 0) {
                OnCancel();
                return 0;
            }
            break;
        default:
            break;
    }
    return Window::WindowProc(message, wParam, lParam);
}

}  // namespace ui
