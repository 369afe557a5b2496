#pragma once

#include <atomic>
#include <cstdint>

// The configurator as a process: one instance per user session, the main
// window run modally until it ends.
class CTarvikApp {
public:
    // inTray: the window starts hidden, as after a click on close, with the tray icon only.
    enum class StartWindow { shown, inTray };

    static constexpr const char* kInstanceName = "Quelda Keyboard";
    static constexpr const char* kAlreadyRunning = "you had run one app!";

    explicit CTarvikApp(StartWindow start = StartWindow::shown) : m_start(start) {}

    // Runs the program; false in every case, as the process then ends.
    bool InitInstance();
    // From any thread: ends the program as its Exit does, or at once when
    // there is no main window yet to close.
    void RequestEnd(int signal);

private:
    StartWindow m_start;
    // The main window, for the instance lock's thread to reach (0: none).
    std::atomic<std::uint64_t> m_mainWindow{0};
};
