// The main window's part of the on-screen display: the keyboard's status
// messages, the display's countdown on timer 1, and its end.
#include "keyboard/dialogs/COSDDialog.h"
#include "keyboard/mainwindow/CTarvikDlg.h"

void CTarvikDlg::OnStatusMessage(std::uint32_t code) {
    m_lastStatus = code;
    const std::string_view text = OsdStatusText(code);
    if (!text.empty()) {
        ShowStatus(std::string(text));
    }
}

// The timer keeps its beat when a new text comes: only the count starts over.
void CTarvikDlg::ShowStatus(const std::string& text) {
    if (m_osdWindow && !m_osdWindow->exists()) {
        DeleteOsd();  // closed by the desktop: the next text opens a new one
    }
    if (!m_osdWindow) {
        auto display = std::make_unique<COSDDialog>();
        if (!display->Open()) {
            return;
        }
        m_osdWindow = std::move(display);
        m_osdWindow->SetText(text);
        setTimer(kOsdTimer, kOsdTickMilliseconds);
        m_osdCountdown = kOsdTicks;
        return;
    }
    m_osdCountdown = kOsdTicks;
    m_osdWindow->SetText(text);
}

// Five ticks count down, the sixth takes the display away: about 6 s after the last text.
void CTarvikDlg::OnOsdTimer() {
    if (m_osdCountdown == 0) {
        killTimer(kOsdTimer);
        DeleteOsd();
        return;
    }
    --m_osdCountdown;
}

void CTarvikDlg::DeleteOsd() {
    if (m_osdWindow) {
        m_osdWindow->destroy();
        m_osdWindow.reset();
    }
}
