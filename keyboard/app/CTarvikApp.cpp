#include "keyboard/app/CTarvikApp.h"

#include <cstdlib>

#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/resources/KeyboardResources.h"
#include "platform/core/SingleInstanceLock.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Messaging.h"

bool CTarvikApp::InitInstance() {
    core::SingleInstanceLock instance(kInstanceName);
    if (!instance.acquired()) {
        ui::messageBox(nullptr, kAlreadyRunning, kInstanceName);
        // The running one is most likely hidden in the tray: bring it out.
        instance.requestActivation();
        return false;
    }
    InitKeyboardResources();
    {
        CTarvikDlg dialog;
        if (m_start == StartWindow::inTray) {
            dialog.StartInTray();
        }
        dialog.onWindowCreated = [this](ui::WindowHandle window) { m_mainWindow = window.value; };
        instance.onActivationRequest([this] {
            ui::PostMessage(ui::WindowHandle{m_mainWindow.load()}, ui::WM_COMMAND,
                            CTarvikDlg::kShowWindowCommand);
        });
        dialog.DoModal();
    }
    return false;
}

void CTarvikApp::RequestEnd(int signal) {
    if (!ui::PostMessage(ui::WindowHandle{m_mainWindow.load()}, ui::WM_CLOSE)) {
        std::_Exit(128 + signal);
    }
}
