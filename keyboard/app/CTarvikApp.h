#pragma once

#include <atomic>
#include <cstdint>

// The configurator as a process: one instance per user session, the main
// window run modally until it ends.
class CTarvikApp {
public:
    static constexpr const char* kInstanceName = "Quelda Keyboard";
    static constexpr const char* kAlreadyRunning = "you had run one app!";

    // Runs the program; false in every case, as the process then ends.
    bool InitInstance();
    // From any thread: ends the program as its Exit does, or at once when
    // there is no main window yet to close.
    void RequestEnd(int signal);

private:
    // The main window, for the instance lock's thread to reach (0: none).
    std::atomic<std::uint64_t> m_mainWindow{0};
};
