#include "audio/service/AudioDeviceService.h"

#include "platform/core/DebugOutput.h"
#include "platform/shell/Shell.h"

namespace {

const char* switchFor(int code) {
    switch (code) {
        case AudioDeviceService::kOpenPanel:
            return "-servicestart";
        case AudioDeviceService::kOpenPanelAtBoot:
            return "-serviceboot";
        default:
            return nullptr;
    }
}

}  // namespace

bool AudioDeviceService::HandleControl(int code) const {
    const char* panelSwitch = switchFor(code);
    if (panelSwitch == nullptr) {
        core::debugOutput("AudioDeviceService: control " + std::to_string(code) + " ignored\n");
        return false;
    }
    bool started = shell::startProgram(m_strPanelProgram, {panelSwitch});
    core::debugOutput("AudioDeviceService: control " + std::to_string(code) + ", " + m_strPanelProgram + " " +
                      panelSwitch + (started ? " started\n" : " could not be started\n"));
    return started;
}
