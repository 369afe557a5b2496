#pragma once

#include <string>

// The headset's session service: the panel's service-control runs send it a
// control code, and it opens the panel the way the code asks.
class AudioDeviceService {
public:
    static constexpr const char* kName = "AudioDeviceService";
    static constexpr int kOpenPanel = 193;        // "sonvair-app" with no switch
    static constexpr int kOpenPanelAtBoot = 196;  // "sonvair-app -boot", at login

    explicit AudioDeviceService(std::string panelProgram) : m_strPanelProgram(std::move(panelProgram)) {}

    // Starts the panel for 193 and 196; other codes are not ours and change
    // nothing. True when a panel was started.
    bool HandleControl(int code) const;

private:
    std::string m_strPanelProgram;
};
