#pragma once

#include "audio/startup/PanelSwitches.h"
#include "platform/core/Clock.h"
#include "platform/service/ServiceManager.h"

// The runs that only send the service a control code: "-boot" sends 196, no
// switch 193. The result goes to the debug output only, never to a window.
// Returns the program's exit code, 0.
int RunServiceControl(PanelSwitch choice, service::ServiceManager& manager, core::Clock& clock);
