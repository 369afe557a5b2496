#pragma once

#include "platform/ui/Window.h"

namespace ui {

// A dialog window: modal with DoModal, modeless with Create. WM_INITDIALOG
// calls OnInitDialog; WM_CLOSE cancels. The dialog is shown after OnInitDialog.
class Dialog : public Window {
public:
    explicit Dialog(Window* owner = nullptr);

    // Creates the window, initialises and shows it, runs until EndDialog,
    // destroys the window and returns the result (-1 when it cannot be created).
    int DoModal();
    bool Create(Window* owner);
    void EndDialog(int result);

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // How the dialog's window is made; a derived constructor may change it.
    WindowOptions& windowOptions() { return options_; }
    // Hidden: the dialog stays hidden after OnInitDialog until something shows it.
    void setShowAfterInit(ShowCommand command) { showAfterInit_ = command; }
    ShowCommand showAfterInit() const { return showAfterInit_; }
    Window* dialogOwner() const { return owner_; }

private:
    bool createWindow();

    Window* owner_;
    WindowOptions options_;
    bool modal_ = false;
    ShowCommand showAfterInit_ = ShowCommand::show;
};

}  // namespace ui
