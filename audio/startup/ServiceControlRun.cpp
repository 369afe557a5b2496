#include "audio/startup/ServiceControlRun.h"

#include "audio/service/AudioDeviceService.h"
#include "platform/core/DebugOutput.h"
#include "platform/service/ServiceControl.h"

int RunServiceControl(PanelSwitch choice, service::ServiceManager& manager, core::Clock& clock) {
    bool boot = choice == PanelSwitch::Boot;
    core::debugOutput(boot ? "===== Service Control Execution -boot =====\n"
                           : "===== Service Control Execution no service =====\n");
    int code = boot ? AudioDeviceService::kOpenPanelAtBoot : AudioDeviceService::kOpenPanel;
    int result = ControlTheService(manager, clock, AudioDeviceService::kName, code);
    core::debugOutput("ControlTheService ret = " + std::to_string(result) + "\n");
    return 0;
}
