#include "audio/startup/PanelInstance.h"

std::unique_ptr<core::SingleInstanceLock> ClaimPanelInstance() {
    auto lock = std::make_unique<core::SingleInstanceLock>(kPanelInstanceName);
    if (lock->acquired()) {
        return lock;
    }
    lock->requestActivation();
    return nullptr;
}
